#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a scratch DESTDIR and checks the tree: the program
# in bin without a library path, its info file in share/ravelin, the desktop
# entry, the metainfo, the theme icons, the release notes and both manual
# pages, and nothing else: the licence notice, the changelog and lintian's
# overrides are the Debian package's own, which its tools install.
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

app=$root/bin/ravelin
[ -f "$app" ] && [ ! -L "$app" ] && [ -x "$app" ] || fail "bin/ravelin is not the program itself"
[ "$(head -c 4 "$app" | od -An -c | tr -d ' ')" = '177ELF' ] || fail "bin/ravelin is not a program"
# Qt comes from the system: the installed program looks nowhere else.
paths=$(readelf -d "$app" | grep -E '\((RUNPATH|RPATH)\)' || true)
[ -z "$paths" ] || fail "the installed program keeps a library path: $paths"

info=$source/src/info/info_ravelin.txt
if [ -f "$info" ]; then
  cmp -s "$info" "$root/share/ravelin/info_ravelin.txt" || fail "info_ravelin.txt is not in share/ravelin"
else
  echo "note: the info file is not in the sources yet" >&2
fi

# Everything the tree may hold; anything else (helpers, tests) is a fault.
expected=(
  bin/ravelin
  share/applications/ravelin.desktop
  share/metainfo/de.ravelin.ravelin.metainfo.xml
  share/icons/hicolor/scalable/apps/ravelin.svg
  share/doc/ravelin/NEWS
  share/man/man1/ravelin.1.gz
  share/man/de/man1/ravelin.1.gz
)
[ -f "$info" ] && expected+=(share/ravelin/info_ravelin.txt)
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

[ $status -eq 0 ] && echo "installed tree is complete"
exit $status
