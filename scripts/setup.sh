#!/usr/bin/env bash
# Installs what the build needs (Debian packages) and builds Brisklet into build/.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(build-essential cmake pkg-config libsqlite3-dev sqlite3 libgtest-dev libgmock-dev libbenchmark-dev
          libcli11-dev nlohmann-json3-dev zlib1g-dev libfribidi-dev libfreetype-dev libcairo2-dev fonts-dejavu-core
          clang libclang-rt-14-dev python3-jsonschema libtomlplusplus-dev git libmimalloc-dev)
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

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
