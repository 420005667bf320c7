#!/usr/bin/env bash
# The main job: set up, build, create the demo project and compile it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
db=$(bash scripts/make-demo.sh build/demo.db)
set +e
build/brisklet compile "$db"
rc=$?
set -e
echo "--- stored units"
build/brisklet units "$db" | cut -c1-100
# Exit 1 means the compile counted design errors: the demo has some on purpose.
[ "$rc" -le 1 ]
