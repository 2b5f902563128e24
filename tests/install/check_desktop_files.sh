#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Validates the menu entry and the software-centre description with Debian's
# validators, at their strictest, and checks that they name each other, the
# program and the icon, and that each says everything in English untagged
# and in German tagged "de".
# Usage: check_desktop_files.sh SOURCE_FOLDER
set -euo pipefail
app=${1:?source folder}/src/app
desktop=$app/ravelin.desktop
metainfo=$app/de.ravelin.ravelin.metainfo.xml

status=0
fail() { echo "FAIL: $*" >&2; status=1; }

timeout 60 desktop-file-validate "$desktop" || fail "desktop-file-validate"
# --pedantic still exits 0 on hints; any line of findings is a fault.
findings=$(timeout 60 appstreamcli validate --pedantic --no-net "$metainfo" 2>&1) || fail "appstreamcli validate"
grep -E '^[EWIP]: ' <<<"$findings" && fail "appstreamcli validate --pedantic has findings"

key() { sed -n "s/^$1=//p" "$desktop"; }
[ "$(key Exec)" = ravelin ] || fail "Exec is '$(key Exec)', not the launcher in bin"
[ "$(key Icon)" = ravelin ] || fail "Icon is '$(key Icon)'"
for size in 16 24 32 48 64 128 256; do
  [ -f "$app/icons/ravelin-$size.png" ] || fail "no $size px icon"
done
[ -f "$app/icons/ravelin.svg" ] || fail "no scalable icon"
for name in Name GenericName Comment Keywords; do
  [ -n "$(key "$name")" ] || fail "no English $name"
  [ -n "$(key "$name\[de\]")" ] || fail "no $name[de]"
done
# The German texts have umlauts or words the English ones lack.
for name in GenericName Comment Keywords; do
  [ "$(key "$name")" != "$(key "$name\[de\]")" ] || fail "$name is the same in English and German"
done
grep -q '[äöüÄÖÜß]' <<<"$(key 'Comment\[de\]')" || fail "Comment[de] is not German"
! grep -q '[äöüÄÖÜß]' <<<"$(key Comment)" || fail "the untagged Comment is German"

# Every summary, paragraph and list item once untagged and once in German.
for element in summary p li; do
  english=$(grep -c "<$element>" "$metainfo" || true)
  german=$(grep -c "<$element xml:lang=\"de\">" "$metainfo" || true)
  [ "$english" -gt 0 ] && [ "$english" = "$german" ] \
    || fail "<$element>: $english untagged, $german in German"
done

grep -q '<launchable type="desktop-id">ravelin.desktop</launchable>' "$metainfo" \
  || fail "the metainfo does not launch ravelin.desktop"
grep -q '<id>de.ravelin.ravelin</id>' "$metainfo" || fail "the metainfo's id does not match its file name"
grep -q '<binary>ravelin</binary>' "$metainfo" || fail "the metainfo does not provide the program"
# The licence the file's own line names is the one it gives its metadata.
spdx=$(sed -n 's/^<!-- SPDX-License-Identifier: \(.*\) -->$/\1/p' "$metainfo")
grep -q "<metadata_license>$spdx</metadata_license>" "$metainfo" \
  || fail "the metainfo's SPDX line names '$spdx', not its metadata_license"

[ $status -eq 0 ] && echo "desktop entry and metainfo are valid"
exit $status
