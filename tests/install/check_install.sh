#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a scratch DESTDIR and checks the tree: the program
# and its info file together in lib/ravelin, a relative launcher link in bin,
# the desktop entry, the metainfo, the theme icons, the licence notice, the
# changelog and the manual page, and nothing else.
# Usage: check_install.sh BUILD_FOLDER SOURCE_FOLDER
set -euo pipefail
build=${1:?build folder}
source=${2:?source folder}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

status=0
fail() { echo "FAIL: $*" >&2; status=1; }

DESTDIR="$scratch/dest" timeout 120 cmake --install "$build" --prefix /usr >"$scratch/install.log"
root=$scratch/dest/usr

app=$root/lib/ravelin/ravelin
[ -f "$app" ] && [ -x "$app" ] || fail "no program at lib/ravelin/ravelin"
# Installing drops the build tree's library path; the program must not
# depend on the build folder once installed.
if readelf -d "$app" | grep -E 'R(UN)?PATH' | grep -qF "$build"; then
  fail "the installed program still looks for libraries in the build folder"
fi
[ "$(head -c 4 "$app" | od -An -c | tr -d ' ')" = '177ELF' ] || fail "lib/ravelin/ravelin is not a program"

if [ -L "$root/bin/ravelin" ]; then
  target=$(readlink "$root/bin/ravelin")
  [ "$target" = ../lib/ravelin/ravelin ] || fail "bin/ravelin points to '$target'"
else
  fail "bin/ravelin is not a symbolic link"
fi

info=$source/src/info/info_ravelin.txt
if [ -f "$info" ]; then
  cmp -s "$info" "$root/lib/ravelin/info_ravelin.txt" || fail "info_ravelin.txt is not beside the program"
else
  echo "note: the info file is not in the sources yet" >&2
fi

# Everything the tree may hold; anything else (helpers, tests) is a fault.
expected=(
  bin/ravelin
  lib/ravelin/ravelin
  share/applications/ravelin.desktop
  share/metainfo/de.ravelin.Ravelin.metainfo.xml
  share/icons/hicolor/scalable/apps/ravelin.svg
  share/doc/ravelin/copyright
  share/doc/ravelin/changelog.gz
  share/man/man1/ravelin.1.gz
)
[ -f "$info" ] && expected+=(lib/ravelin/info_ravelin.txt)
for size in 16 24 32 48 64 128 256; do
  icon=share/icons/hicolor/${size}x${size}/apps/ravelin.png
  expected+=("$icon")
  if [ -f "$root/$icon" ]; then
    got=$(identify -format '%wx%h' "$root/$icon")
    [ "$got" = "${size}x${size}" ] || fail "$icon is $got"
  fi
done
diff <(printf '%s\n' "${expected[@]}" | sort) <(cd "$root" && find . \( -type f -o -type l \) | sed 's|^\./||' | sort) \
  || fail "the installed files differ from the expected ones (< expected, > installed)"

# The link is relative, so the tree still works when it is moved as a whole.
mv "$scratch/dest/usr" "$scratch/dest/elsewhere"
[ "$(readlink -f "$scratch/dest/elsewhere/bin/ravelin")" = "$(readlink -f "$scratch/dest/elsewhere/lib/ravelin/ravelin")" ] \
  || fail "the launcher link breaks when the tree moves"

[ $status -eq 0 ] && echo "installed tree is complete"
exit $status
