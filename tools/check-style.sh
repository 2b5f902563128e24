#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the house style: the licence's SPDX line atop every source, build
# and script file, which folders of src/ include which, clang-format over every tracked C++ file, and clang-tidy
# over the sources in src/ with the compile commands of a build folder
# configured with the window (CMAKE_EXPORT_COMPILE_COMMANDS is on).
# Exits non-zero on any finding, and on any error of clang-tidy itself.
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

commands="$build/compile_commands.json"
[ -f "$commands" ] || { echo "no $commands" >&2; exit 2; }
# The Qt layer's files need the moc output of the build, which is there once it has been built.
mapfile -t sources < <(git ls-files 'src/*.cpp')
echo "clang-tidy: ${#sources[@]} files"
# A source the build does not compile would be checked without its flags.
for source in "${sources[@]}"; do
  if ! grep -qF "\"$here/$source\"" "$commands"; then
    echo "clang-tidy: $source is not in $commands" >&2
    status=1
  fi
done
jobs=$(nproc)
tidy_log=$(mktemp)
trap 'rm -f "$tidy_log"' EXIT
if ! printf '%s\n' "${sources[@]}" |
  xargs -P "$jobs" -n 4 "$tidy" -p "$build" --quiet --warnings-as-errors='*' 2>"$tidy_log"; then
  echo "clang-tidy: findings above" >&2
  status=1
fi
# What clang-tidy says besides its findings, less the counts of warnings it
# kept back: an error there (a source it could not process) fails the check.
grep -v -E '^[0-9]+ warnings? generated\.$' "$tidy_log" >&2 || true
if grep -q -i 'error' "$tidy_log"; then
  echo "clang-tidy: errors above" >&2
  status=1
fi
exit $status
