#!/usr/bin/env bash
# Creates the demo project database from examples/ (replacing an older one).
set -euo pipefail
cd "$(dirname "$0")/.."
db=${1:-build/demo.db}
rm -f "$db"
build/brisklet init "$db" >/dev/null
sqlite3 "$db" < examples/demo.sql
# The panel's fonts: DejaVu Sans at two pixel sizes, as font numbers 1 and 2.
font=/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf
build/brisklet font add "$db" "$font" --size 12 --number 1 >/dev/null
build/brisklet font add "$db" "$font" --size 20 --number 2 >/dev/null
echo "$db"
