#!/usr/bin/env bash
# What CI runs after the tests: every test again under AddressSanitizer and
# UndefinedBehaviorSanitizer (build-asan/; the install test is left out, as a sanitized library
# needs sanitized programs), a release build with warnings as errors (build-werror/, tool and
# benchmarks), and each fuzz target for 30 seconds (build-fuzz/). Run scripts/setup.sh first.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)

echo "== sanitizer build (ASan + UBSan)"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DBRISKLET_SANITIZE=ON -DBRISKLET_BENCH=OFF >/dev/null
cmake --build build-asan -j"$jobs" >/dev/null
(cd build-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest -j"$jobs" -E '^Install\.' --output-on-failure | tail -n 3)

echo "== release build, warnings as errors"
cmake -S . -B build-werror -DCMAKE_BUILD_TYPE=Release -DBRISKLET_WERROR=ON -DBRISKLET_TESTS=OFF >/dev/null
cmake --build build-werror -j"$jobs" >/dev/null
echo "release build clean"

echo "== fuzz targets, 30 s each (clang, libFuzzer, ASan + UBSan)"
bash scripts/fuzz.sh all 30
