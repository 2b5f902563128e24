#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Validates the menu entry and the software-centre description with Debian's
# validators and checks that they name each other, the program and the icon.
# Usage: check_desktop_files.sh SOURCE_FOLDER
set -euo pipefail
app=${1:?source folder}/src/app
desktop=$app/ravelin.desktop
metainfo=$app/de.ravelin.Ravelin.metainfo.xml

status=0
fail() { echo "FAIL: $*" >&2; status=1; }

timeout 60 desktop-file-validate "$desktop" || fail "desktop-file-validate"
timeout 60 appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate"

key() { sed -n "s/^$1=//p" "$desktop"; }
[ "$(key Exec)" = ravelin ] || fail "Exec is '$(key Exec)', not the launcher in bin"
[ "$(key Icon)" = ravelin ] || fail "Icon is '$(key Icon)'"
for size in 16 24 32 48 64 128 256; do
  [ -f "$app/icons/ravelin-$size.png" ] || fail "no $size px icon"
done
[ -f "$app/icons/ravelin.svg" ] || fail "no scalable icon"
grep -q '[äöüÄÖÜß]' <<<"$(key Comment)" || fail "the comment is not German"

grep -q '<launchable type="desktop-id">ravelin.desktop</launchable>' "$metainfo" \
  || fail "the metainfo does not launch ravelin.desktop"
grep -q '<id>de.ravelin.Ravelin</id>' "$metainfo" || fail "the metainfo's id does not match its file name"
grep -q '<binary>ravelin</binary>' "$metainfo" || fail "the metainfo does not provide the program"

[ $status -eq 0 ] && echo "desktop entry and metainfo are valid"
exit $status
