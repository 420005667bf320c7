#!/usr/bin/env bash
# The main job: set up, build, compile the demo text project and draw its main display.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
db=examples/demo
set +e
build/brisklet compile "$db"
rc=$?
set -e
echo "--- stored units"
build/brisklet units "$db" | cut -c1-100
echo "--- preview of the main display: docs/demo-preview.png"
build/brisklet preview "$db" --display 1 -o docs/demo-preview.png --scale 2 2>/dev/null || [ $? -le 1 ]
# Exit 1 means the compile counted design errors: the demo has some on purpose.
[ "$rc" -le 1 ]
