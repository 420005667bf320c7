#!/usr/bin/env bash
# Regenerates the calendar text files of data/calendar from ICU's CLDR data: installs the ICU
# headers when they are missing, builds the generator in build-calendars/ and runs it.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ ! -f /usr/include/unicode/smpdtfmt.h ]; then
  sudo apt-get install -y libicu-dev
fi
cmake -S . -B build-calendars -DCMAKE_BUILD_TYPE=Release -DBRISKLET_CALENDAR_GEN=ON -DBRISKLET_TESTS=OFF \
  -DBRISKLET_BENCH=OFF >/dev/null
cmake --build build-calendars --target calendar_gen -j2
mkdir -p data/calendar
build-calendars/calendar_gen data/calendar
