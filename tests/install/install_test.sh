#!/usr/bin/env bash
# Installs the build into a temporary prefix, checks that a program needs only PREFIX/include,
# builds the example program against the installed CMake package, compiles a small project with
# it, and runs the installed tool from a folder outside the source tree, without BRISKLET_DATA_DIR.
#   install_test.sh SOURCE_DIR BUILD_DIR
set -euo pipefail
source_dir=$1
build_dir=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix

cmake --install "$build_dir" --prefix "$prefix" >/dev/null
for f in bin/brisklet share/brisklet/messages.txt share/man/man1/brisklet.1 \
         share/bash-completion/completions/brisklet lib/cmake/Brisklet/BriskletConfig.cmake \
         include/brisklet/component/clsDownload.h; do
  [ -e "$prefix/$f" ] || { echo "not installed: $f"; exit 1; }
done

# A program includes <brisklet/component/clsDownload.h> with PREFIX/include alone on its path: the
# installed headers include each other through brisklet/, and so does the CMake package.
if grep -rn '#include "' "$prefix/include/brisklet"; then echo "installed headers include by layer path"; exit 1; fi
if grep -n 'include/brisklet' "$prefix"/lib/cmake/Brisklet/*.cmake; then echo "package adds include/brisklet"; exit 1; fi
"${CXX:-c++}" -std=c++20 -fsyntax-only -I"$prefix/include" "$source_dir/examples/library/main.cpp"
cmake -S "$source_dir/examples/library" -B "$work/example" -DCMAKE_PREFIX_PATH="$prefix" >/dev/null
cmake --build "$work/example" >/dev/null

cd "$work"
unset BRISKLET_DATA_DIR
"$prefix/bin/brisklet" init project.db >/dev/null
sqlite3 project.db "
  INSERT INTO HMI_Palettes(ID, GUID) VALUES (1, 900);
  INSERT INTO DispModules(ModuleID, ModuleName) VALUES (1, 'Main');
  INSERT INTO Pages(Id, GUID, ModuleID, Description, PaletteID) VALUES (1, 100, 1, 'Home', 1);
  INSERT INTO HMI_Elements(ID, GUID, DisplayID, Type, Text, Xs, Ys, Dx, Dy, Flat3D) VALUES
    (1, 1001, 1, 1, 'Frame', 0, 0, 100, 50, 0), (2, 1002, 1, 1, 'Tiny', 0, 0, 5, 5, 1);
  INSERT INTO DownloadDLUs(Guid, IsCompiled) SELECT GUID, 0 FROM HMI_Elements;
  INSERT INTO DownloadDLUs(Guid, IsCompiled) SELECT GUID, 0 FROM Pages;"
set +e
out=$("$work/example/compile_project" project.db)
rc=$?
set -e
[ "$rc" -eq 1 ] || { echo "example program exited $rc: $out"; exit 1; }
grep -q "error: Main / Home: The Element: 'Tiny' is too small for 3D" <<<"$out" || { echo "example: $out"; exit 1; }
grep -q "^3 units stored, 1 errors$" <<<"$out" || { echo "example: $out"; exit 1; }

# The installed tool finds its message catalogue beside it (a font the project lacks is
# reported with the catalogue's text).
sqlite3 project.db "UPDATE HMI_Elements SET FontNumber=7 WHERE ID=1; UPDATE DownloadDLUs SET IsCompiled=0;"
set +e
diag=$("$prefix/bin/brisklet" compile project.db 2>&1 >/dev/null)
set -e
grep -q "the font of this element is not installed" <<<"$diag" || { echo "installed tool: $diag"; exit 1; }
"$prefix/bin/brisklet" --version | grep -q "^brisklet " || { echo "no version"; exit 1; }
man -l "$prefix/share/man/man1/brisklet.1" >/dev/null 2>&1 || true
echo "install test passed"
