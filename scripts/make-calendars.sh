#!/usr/bin/env bash
# Regenerates the calendar text files of data/calendar from ICU's CLDR data: installs the ICU
# headers (libicu-dev) and the build tools when they are missing, builds the generator in
# build-calendars/ (the normal build does not need ICU) and runs it.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(build-essential cmake pkg-config libicu-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "installing: ${missing[*]}"
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO=sudo
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}" >/dev/null
fi

# Only the generator's target is built; the project's other packages are needed to configure.
cmake -S . -B build-calendars -DCMAKE_BUILD_TYPE=Release -DBRISKLET_CALENDAR_GEN=ON -DBRISKLET_TESTS=OFF \
  -DBRISKLET_BENCH=OFF >/dev/null
cmake --build build-calendars --target calendar_gen -j2
mkdir -p data/calendar
build-calendars/calendar_gen data/calendar
