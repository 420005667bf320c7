#!/usr/bin/env bash
# The two extra builds CI runs after the tests: every test under AddressSanitizer and
# UndefinedBehaviorSanitizer (build-asan/), and a release build with warnings as errors
# (build-werror/, benchmarks included). Run scripts/setup.sh first.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)

echo "== sanitizer build (ASan + UBSan)"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DBRISKLET_SANITIZE=ON -DBRISKLET_BENCH=OFF >/dev/null
cmake --build build-asan -j"$jobs" >/dev/null
(cd build-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest -j"$jobs" --output-on-failure | tail -n 3)

echo "== release build, warnings as errors"
cmake -S . -B build-werror -DCMAKE_BUILD_TYPE=Release -DBRISKLET_WERROR=ON -DBRISKLET_TESTS=OFF >/dev/null
cmake --build build-werror -j"$jobs" >/dev/null
echo "release build clean"
