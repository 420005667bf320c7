#!/usr/bin/env bash
# Writes what a build of the tool makes of the demo and of generated projects (every stored
# unit as hex, the diagnostics in the three formats, dump and preview) into one folder, so two
# builds can be compared byte for byte:
#   bash scripts/output-snapshot.sh build /tmp/before   (on the old commit)
#   bash scripts/output-snapshot.sh build /tmp/after    (on the new one)
#   diff -r /tmp/before /tmp/after
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:?usage: output-snapshot.sh BUILD_DIR OUT_DIR}" && pwd)
out=${2:?usage: output-snapshot.sh BUILD_DIR OUT_DIR}
tool=$build/brisklet
mkdir -p "$out"
out=$(cd "$out" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

projects=()
if [ -f "$root/examples/demo/project.toml" ]; then
  "$tool" import "$root/examples/demo" "$work/demo.db" >/dev/null
else  # a tree from before the demo was a text project
  "$tool" init "$work/demo.db" >/dev/null
  sqlite3 "$work/demo.db" <"$root/examples/demo.sql"
  font=/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf
  "$tool" font add "$work/demo.db" "$font" --size 12 --number 1 >/dev/null
  "$tool" font add "$work/demo.db" "$font" --size 20 --number 2 >/dev/null
fi
projects+=(demo)
for seed in 1 2 3; do
  "$tool" generate "$work/gen$seed.db" --displays 6 --elements-per-display 40 --seed "$seed" >/dev/null
  projects+=("gen$seed")
done
for seed in 1 2; do
  "$tool" generate "$work/every$seed.db" --displays 6 --elements-per-display 60 --seed "$seed" \
    --mix every-kind >/dev/null
  projects+=("every$seed")
done

for name in "${projects[@]}"; do
  db=$work/$name.db
  # Two compiles: the first from scratch, the second over what the first left.
  for run in 1 2; do
    for format in text json sarif; do
      cp "$db" "$work/copy.db"
      (cd "$work" && "$tool" compile copy.db --diagnostics "$format" >"$out/$name.$run.compile.$format" 2>&1) || true
    done
    (cd "$work" && "$tool" compile "$name.db" --diagnostics json >/dev/null 2>&1) || true
    (cd "$work" && "$tool" units "$name.db" >"$out/$name.$run.units" 2>&1) || true
  done
  (cd "$work" && "$tool" compile "$name.db" --reference --diagnostics json >"$out/$name.reference.json" 2>&1) || true
  (cd "$work" && "$tool" dump "$name.db" --all >"$out/$name.dump" 2>&1) || true
  (cd "$work" && "$tool" dump "$name.db" --all --json >"$out/$name.dump.json" 2>&1) || true
  mkdir -p "$work/preview-$name"
  (cd "$work" && "$tool" preview "$name.db" --all -o "preview-$name" >"$out/$name.preview" 2>&1) || true
  (cd "$work/preview-$name" && md5sum ./* >"$out/$name.preview.md5") || true
done
echo "$out"
