#!/usr/bin/env bash
# Creates the demo project database from examples/ (replacing an older one).
set -euo pipefail
cd "$(dirname "$0")/.."
db=${1:-build/demo.db}
rm -f "$db"
build/brisklet init "$db" >/dev/null
sqlite3 "$db" < examples/demo.sql
echo "$db"
