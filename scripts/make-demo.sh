#!/usr/bin/env bash
# Creates a project database from the demo text project examples/demo (replacing an older one):
# make-demo.sh [PATH].
set -euo pipefail
# PATH is taken from the caller's folder; the default, build/demo.db, from the repository's.
given=${1:-build/demo.db}
db=${1:-}
[[ -z $db || $db == /* ]] || db=$PWD/$db
cd "$(dirname "$0")/.."
db=${db:-build/demo.db}
rm -f "$db"
build/brisklet import examples/demo "$db" >/dev/null
echo "$given"
