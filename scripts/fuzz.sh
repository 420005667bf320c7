#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer)
# into build-fuzz/ and runs one of them, or each in turn, for SECONDS, starting from its seed
# corpus in fuzz/corpus/TARGET. Inputs that crash are kept in build-fuzz/artifacts/.
#   scripts/fuzz.sh TARGET|all SECONDS
# Targets: property_blob element_row font_file catalogue calendar record_decoder preview_records text_form.
set -euo pipefail
cd "$(dirname "$0")/.."
target=${1:?usage: scripts/fuzz.sh TARGET|all SECONDS}
seconds=${2:-30}
all=(property_blob element_row font_file catalogue calendar record_decoder preview_records text_form)
[ "$target" = all ] && targets=("${all[@]}") || targets=("$target")

cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRISKLET_FUZZ=ON \
      -DBRISKLET_TESTS=OFF -DBRISKLET_BENCH=OFF >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target "${targets[@]/#/fuzz_}" >/dev/null
mkdir -p build-fuzz/artifacts
for t in "${targets[@]}"; do
  work=build-fuzz/corpus/$t
  mkdir -p "$work"
  echo "== $t for $seconds s"
  ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    "build-fuzz/fuzz_$t" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="build-fuzz/artifacts/$t-" "$work" "fuzz/corpus/$t" 2>&1 | grep -E "^(#[0-9]+ +DONE|Done|stat::number_of_executed_units|==[0-9]+==ERROR|SUMMARY)" || true
  if ls "build-fuzz/artifacts/$t-"* >/dev/null 2>&1; then
    echo "$t: crashing inputs in build-fuzz/artifacts/" >&2
    exit 1
  fi
done
