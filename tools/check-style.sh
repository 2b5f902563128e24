#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the house style: the licence's SPDX line atop every source, build
# and script file, which folders of src/ include which, clang-format over every tracked C++ file, and clang-tidy
# over the sources in src/ with the compile commands of a build folder
# configured with the window (CMAKE_EXPORT_COMPILE_COMMANDS is on).
# Exits non-zero on any finding.
# Usage: tools/check-style.sh [BUILD_FOLDER]   (default: build)
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-$here/build}
cd "$here"

pick() { for tool in "$@"; do command -v "$tool" >/dev/null && { echo "$tool"; return; }; done; echo "no $1" >&2; exit 2; }
format=$(pick clang-format-14 clang-format)
tidy=$(pick clang-tidy-14 clang-tidy)

status=0
"$here/tools/add-spdx.sh" --check || status=1
python3 "$here/tools/check-layers.py" "$here/src" || status=1

mapfile -t files < <(git ls-files '*.cpp' '*.h')
echo "clang-format: ${#files[@]} files"
if ! "$format" --dry-run --Werror "${files[@]}"; then
  echo "clang-format: the files above differ from .clang-format" >&2
  status=1
fi

[ -f "$build/compile_commands.json" ] || { echo "no $build/compile_commands.json" >&2; exit 2; }
# The Qt layer's files need the moc output of the build, which is there once it has been built.
mapfile -t sources < <(git ls-files 'src/*.cpp')
echo "clang-tidy: ${#sources[@]} files"
jobs=$(nproc)
if ! printf '%s\n' "${sources[@]}" |
  xargs -P "$jobs" -n 4 "$tidy" -p "$build" --quiet --warnings-as-errors='*' 2>/dev/null; then
  echo "clang-tidy: findings above" >&2
  status=1
fi
exit $status
