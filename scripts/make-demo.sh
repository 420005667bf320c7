#!/usr/bin/env bash
# Creates the demo project database from examples/ (replacing an older one): make-demo.sh [PATH].
set -euo pipefail
# PATH is taken from the caller's folder; the default, build/demo.db, from the repository's.
given=${1:-build/demo.db}
db=${1:-}
[[ -z $db || $db == /* ]] || db=$PWD/$db
cd "$(dirname "$0")/.."
db=${db:-build/demo.db}
rm -f "$db"
build/brisklet init "$db" >/dev/null
sqlite3 "$db" < examples/demo.sql
# The panel's fonts: DejaVu Sans at two pixel sizes, as font numbers 1 and 2.
font=/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf
build/brisklet font add "$db" "$font" --size 12 --number 1 >/dev/null
build/brisklet font add "$db" "$font" --size 20 --number 2 >/dev/null
echo "$given"
