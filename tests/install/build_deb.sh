#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package as Debian does, with dpkg-buildpackage, from a
# copy of the files git knows in the source folder (committed or not, never
# a build folder), under the caller's umask. dpkg-buildpackage writes its
# results beside the tree it builds, so the copy goes to FOLDER/ravelin and
# the source and binary packages land in FOLDER. With "nocheck" the tests
# are neither built nor run, as for a rebuild of the same package.
# Usage: build_deb.sh SOURCE_FOLDER FOLDER [nocheck]
set -euo pipefail
source=${1:?source folder}
folder=${2:?output folder}
tree=$folder/ravelin

rm -rf "$folder"
mkdir -p "$tree"
if git -C "$source" rev-parse --git-dir >/dev/null 2>&1; then
  # Tracked files deleted but not yet committed are left out.
  git -C "$source" ls-files -z --cached --others --exclude-standard |
    (cd "$source" && while IFS= read -r -d '' f; do [ -e "$f" ] && printf '%s\0' "$f"; done) |
    tar -C "$source" --null -T - -cf - | tar -C "$tree" -xf -
else
  tar -C "$source" --exclude='./build*' --exclude=./out -cf - . | tar -C "$tree" -xf -
fi

options="parallel=$(nproc)"
profiles=()
if [ "${3:-}" = nocheck ]; then
  options="nocheck $options"
  profiles=(-Pnocheck)
fi
# Built as Debian's builders build it, without a compiler launcher: ccache
# with a base folder turns the paths below it relative, which changes the
# program, so a build with it and one without would differ.
unset CMAKE_CXX_COMPILER_LAUNCHER CMAKE_C_COMPILER_LAUNCHER
if ! (cd "$tree" && DEB_BUILD_OPTIONS=$options timeout 3000 dpkg-buildpackage -us -uc "${profiles[@]}") \
  >"$folder/build.log" 2>&1; then
  tail -n 80 "$folder/build.log" >&2
  echo "FAIL: dpkg-buildpackage -us -uc ${profiles[*]} in $tree (log: $folder/build.log)" >&2
  exit 1
fi
echo "built: $(cd "$folder" && ls -- *.deb *.dsc)"
