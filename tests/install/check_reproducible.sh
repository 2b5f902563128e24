#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the package a second time with dpkg-buildpackage (build_deb.sh,
# without the tests), from a copy at another place and depth and under
# umask 002, and requires every binary package to be byte-identical to the
# one of the first build, which was made under umask 077.
# Usage: check_reproducible.sh PACKAGE_FOLDER SOURCE_FOLDER
set -euo pipefail
folder=${1:?package folder}
source=${2:?source folder}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

other=$scratch/another/deeper/place
(umask 002 && "$here/build_deb.sh" "$source" "$other" nocheck) || exit 1

status=0
count=0
for first in "$folder"/*.deb; do
  second=$other/$(basename "$first")
  count=$((count + 1))
  [ -f "$second" ] || { echo "FAIL: the second build made no $(basename "$first")" >&2; status=1; continue; }
  cmp "$first" "$second" && continue
  # Name what differs, for whoever has to find the cause.
  for deb in "$first" "$second"; do
    dpkg-deb -R "$deb" "$scratch/$(basename "$(dirname "$deb")")-${deb##*/}"
  done
  diff -r "$scratch/$(basename "$folder")-${first##*/}" "$scratch/place-${first##*/}" >&2 || true
  diff <(dpkg-deb -c "$first") <(dpkg-deb -c "$second") >&2 || true
  echo "FAIL: $(basename "$first") from two places, built under umask 077 and 002, differs" >&2
  status=1
done
[ $count -gt 0 ] || { echo "FAIL: no package in $folder" >&2; exit 1; }
[ $status -eq 0 ] && echo "$count packages of two places, built under umask 077 and 002, are byte-identical"
exit $status
