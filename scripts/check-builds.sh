#!/usr/bin/env bash
# What CI runs after the tests: every test again under AddressSanitizer and
# UndefinedBehaviorSanitizer (build-asan/; the install test is left out, as a sanitized library
# needs sanitized programs; a failing test's whole output is shown, else ctest's summary), the
# tests again under ThreadSanitizer (build-tsan/: the element walk builds records on a second
# thread), a release build with warnings as errors (build-werror/: library, tool, tests and benchmarks), and
# each fuzz target for 30 seconds (build-fuzz/). Run scripts/setup.sh first.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)

echo "== sanitizer build (ASan + UBSan)"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DBRISKLET_SANITIZE=ON -DBRISKLET_BENCH=OFF >/dev/null
cmake --build build-asan -j"$jobs" >/dev/null
# All passing: ctest's summary. A failure: the whole log but the started and passed tests'
# lines, so each failing test's output shows in full.
log=build-asan/ctest.log
if (cd build-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
      ctest -j"$jobs" -E '^Install\.' --output-on-failure) >"$log" 2>&1; then
  tail -n 3 "$log"
else
  grep -vE '^ +Start +[0-9]+: |^ *[0-9]+/[0-9]+ Test +#[0-9]+: .* Passed +[0-9.]+ sec$' "$log" || true
  echo "sanitizer run failed (whole log: $log)"
  exit 1
fi

echo "== thread sanitizer build (ThreadSanitizer)"
cmake -S . -B build-tsan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRISKLET_TSAN=ON -DBRISKLET_BENCH=OFF >/dev/null
cmake --build build-tsan -j"$jobs" --target brisklet_tests >/dev/null
log=build-tsan/tests.log
if (cd build-tsan && TSAN_OPTIONS=halt_on_error=1 ./brisklet_tests --gtest_brief=1) >"$log" 2>&1; then
  tail -n 2 "$log"
else
  cat "$log"
  echo "thread sanitizer run failed (whole log: $log)"
  exit 1
fi

echo "== release build, warnings as errors"
cmake -S . -B build-werror -DCMAKE_BUILD_TYPE=Release -DBRISKLET_WERROR=ON -DBRISKLET_TESTS=ON >/dev/null
cmake --build build-werror -j"$jobs" >/dev/null
echo "release build clean"

echo "== fuzz targets, 30 s each (clang, libFuzzer, ASan + UBSan)"
bash scripts/fuzz.sh all 30
