#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Inspects the Debian package that dpkg-buildpackage made (build_deb.sh):
# its control fields, its declared dependencies and its files, the
# changelog, both manual pages and the licence notice, reads the program's
# hardening with readelf, and has Debian's own checker (lintian, at its
# strictest, over source and binary) and the AppStream validator judge it.
# Usage: check_deb.sh PACKAGE_FOLDER SOURCE_FOLDER
set -euo pipefail
folder=${1:?package folder}
source=${2:?source folder}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

status=0
fail() { echo "FAIL: $*" >&2; status=1; }

debs=("$folder"/ravelin_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || { fail "expected one ravelin_*.deb, found: ${debs[*]}"; exit 1; }
deb=${debs[0]}
changes=("$folder"/ravelin_*.changes)
[ -f "${changes[0]}" ] || { fail "no .changes beside the package"; exit 1; }
tree=$folder/ravelin

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = ravelin ] || fail "package name '$(field Package)'"
[ "$(field Version)" = "$(sed -n 's/^project(ravelin VERSION \([0-9.]*\).*/\1/p' "$source/CMakeLists.txt")" ] \
  || fail "version '$(field Version)' is not the program's"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "architecture '$(field Architecture)'"
[ "$(field Maintainer)" = "The Ravelin developers <ravelin@ravelin.invalid>" ] \
  || fail "maintainer '$(field Maintainer)'"
[ -z "$(field Homepage)" ] || fail "a homepage that does not exist: $(field Homepage)"
[ "$(field Section)" = math ] || fail "section '$(field Section)'"
# English first, as Debian's descriptions are; the German text is in the metainfo.
grep -q 'roulette spins' <<<"$(field Description)" || fail "the description is not English"
! grep -q '[äöüÄÖÜß]' <<<"$(field Description)" || fail "the description has German text"
[ "$(field Description | wc -l)" -ge 4 ] || fail "the extended description is too short"
long=$(field Description | LC_ALL=C.UTF-8 grep -E '^.{81}' || true)
[ -z "$long" ] || fail "description lines wider than 80 columns: $long"

depends=$(field Depends)
for needed in libqt6widgets6 libc6 fonts-liberation2 fonts-dejavu-core; do
  grep -Eq "(^|, )$needed( |,|$)" <<<"$depends" || fail "does not depend on $needed: $depends"
done
# Qt's German texts (a text box's menu, the buttons of a question) come with
# its translations; the program runs without them, in Qt's English.
! grep -q qt6-translations-l10n <<<"$depends" || fail "depends on qt6-translations-l10n: $depends"
grep -Eq "(^|, )qt6-translations-l10n( |,|$)" <<<"$(field Recommends)" \
  || fail "does not recommend qt6-translations-l10n: $(field Recommends)"
twice=$(tr ',' '\n' <<<"$depends" | awk '{ print $1 }' | sort | uniq -d)
[ -z "$twice" ] || fail "named more than once in Depends: $twice"

listing=$(dpkg-deb -c "$deb")
has() { grep -Eq "$1" <<<"$listing" || fail "missing in the package: $2"; }
has '^-rwxr-xr-x root/root .* \./usr/bin/ravelin$' "usr/bin/ravelin, executable"
has ' \./usr/share/applications/ravelin\.desktop$' "desktop entry"
has ' \./usr/share/metainfo/de\.ravelin\.ravelin\.metainfo\.xml$' "metainfo"
has ' \./usr/share/icons/hicolor/48x48/apps/ravelin\.png$' "48 px icon"
has ' \./usr/share/icons/hicolor/scalable/apps/ravelin\.svg$' "scalable icon"
if [ -f "$source/src/info/info_ravelin.txt" ]; then
  has '^-rw-r--r-- root/root .* \./usr/share/ravelin/info_ravelin\.txt$' "info file in usr/share/ravelin"
fi
if grep -Eq 'ravelin_icons|tst_|test_' <<<"$listing"; then
  fail "helpers or tests in the package"
fi
# Nothing under usr/lib: the program is in usr/bin, its data in usr/share.
! grep -Eq ' \./usr/lib/' <<<"$listing" || fail "files under usr/lib"
# Every folder 0755 whatever the packer's umask.
folders=$(grep -E '^d' <<<"$listing" | grep -Ev '^drwxr-xr-x root/root ' || true)
[ -z "$folders" ] || fail "folders not 0755 root/root: $folders"
has '^-rw-r--r-- root/root .* \./usr/share/doc/ravelin/copyright$' "licence notice"
has '^-rw-r--r-- root/root .* \./usr/share/doc/ravelin/NEWS\.gz$' "release notes"
has '^-rw-r--r-- root/root .* \./usr/share/doc/ravelin/changelog\.gz$' "changelog"
has '^-rw-r--r-- root/root .* \./usr/share/man/man1/ravelin\.1\.gz$' "English manual page"
has '^-rw-r--r-- root/root .* \./usr/share/man/de/man1/ravelin\.1\.gz$' "German manual page"
has '^-rw-r--r-- root/root .* \./usr/share/lintian/overrides/ravelin$' "lintian overrides"

unpacked=$scratch/unpacked
dpkg-deb -x "$deb" "$unpacked"
version=$(field Version)

# Every time stamp is the one dpkg-buildpackage takes from debian/changelog,
# so the same source packs the same.
epoch=$(dpkg-parsechangelog -l "$tree/debian/changelog" -STimestamp)
stamps=$(dpkg-deb --fsys-tarfile "$deb" | tar -tv --full-time | awk '{ print $4 "T" $5 }' | sort -u)
[ "$stamps" = "$(date -u -d "@$epoch" +%Y-%m-%dT%H:%M:%S)" ] \
  || fail "file times other than the changelog's: $(tr '\n' ' ' <<<"$stamps")"
chdate=$(date -u -R -d "@$epoch")

# The changelog in Debian's syntax, compressed without a name or time stamp.
changelog=$unpacked/usr/share/doc/ravelin/changelog.gz
if [ -f "$changelog" ]; then
  [ "$(od -An -tx1 -j3 -N5 "$changelog" | tr -d ' ')" = 0000000000 ] \
    || fail "changelog.gz keeps a file name or time stamp in its header"
  text=$(zcat "$changelog")
  [ "$(head -n1 <<<"$text")" = "ravelin ($version) unstable; urgency=medium" ] \
    || fail "changelog begins '$(head -n1 <<<"$text")'"
  trailer=$(grep '^ -- ' <<<"$text" | head -n1)
  [ "${trailer%%>*}>" = " -- The Ravelin developers <ravelin@ravelin.invalid>" ] \
    || fail "changelog trailer '$trailer'"
  [ "${trailer#*>  }" = "$chdate" ] || fail "changelog dated '${trailer#*>  }', not '$chdate'"
fi

# Both manual pages format without a warning, have their language's
# sections and say where the info text is looked for.
for lang in en de; do
  page=$unpacked/usr/share/man/man1/ravelin.1.gz
  sections=(NAME SYNOPSIS DESCRIPTION FILES 'SEE ALSO')
  if [ $lang = de ]; then
    page=$unpacked/usr/share/man/de/man1/ravelin.1.gz
    sections=(NAME ÜBERSICHT BESCHREIBUNG DATEIEN 'SIEHE AUCH')
  fi
  [ -f "$page" ] || continue
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null) || fail "man -l failed ($lang)"
  [ -z "$warnings" ] || fail "the $lang manual page warns: $warnings"
  for section in "${sections[@]}"; do
    grep -q "^\.SH \"\?$section\"\?$" <(zcat "$page") || fail "the $lang manual page has no section $section"
  done
  for place in /usr/share/ravelin/info_ravelin.txt ../share/ravelin; do
    grep -qF "$place" <(zcat "$page") || fail "the $lang manual page does not name $place"
  done
done

# The licence notice in Debian's machine-readable form, pointing to the
# system's copy of the licence rather than holding it.
copyright=$unpacked/usr/share/doc/ravelin/copyright
if [ -f "$copyright" ]; then
  grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' "$copyright" \
    || fail "the licence notice is not in the machine-readable format"
  grep -qx 'Copyright: 2026 The Ravelin developers' "$copyright" || fail "no copyright line"
  grep -q '/usr/share/common-licenses/GPL-3' "$copyright" || fail "the notice does not point to GPL-3"
  ! grep -q 'TERMS AND CONDITIONS' "$copyright" || fail "the notice holds the licence's full text"
fi

metainfo=$unpacked/usr/share/metainfo/de.ravelin.ravelin.metainfo.xml
grep -q "<release version=\"$version\"" "$metainfo" || fail "the metainfo names no release $version"
grep -q '<project_license>GPL-3.0-or-later</project_license>' "$metainfo" || fail "the metainfo's licence"
timeout 60 appstreamcli validate --pedantic --no-net "$metainfo" >"$scratch/appstream.log" 2>&1 \
  || { cat "$scratch/appstream.log" >&2; fail "appstreamcli validate"; }

app=$unpacked/usr/bin/ravelin
for path in "$folder" "$source"; do
  if strings -a "$app" | grep -qF "$path"; then
    fail "the program keeps the path $path"
  fi
done

# Hardened as Debian builds its programs: position-independent, relocations
# read-only and bound at start, the stack protector and the checked
# variants of the C library's functions, and no library path of its own.
dynamic=$(readelf -d "$app")
grep -Eq '\(FLAGS\) .*BIND_NOW' <<<"$dynamic" || fail "not linked with -z now (no BIND_NOW)"
grep -Eq '\(FLAGS_1\) .*\bPIE\b' <<<"$dynamic" || fail "not a position-independent executable"
! grep -Eq '\((RUNPATH|RPATH)\)' <<<"$dynamic" || fail "a library path: $(grep -E 'R(UN)?PATH' <<<"$dynamic")"
[ "$(readelf -h "$app" | awk '/Type:/ { print $2 }')" = DYN ] || fail "the program is not position-independent"
readelf -lW "$app" | grep -q GNU_RELRO || fail "no read-only relocations (-z relro)"
symbols=$(readelf --dyn-syms -W "$app")
grep -q '__stack_chk_fail' <<<"$symbols" || fail "no stack protector (__stack_chk_fail)"
# The program's calls all have sizes unknown when compiling, so it imports
# no __*_chk function to show _FORTIFY_SOURCE; its compile commands must.
# Their order is dpkg-buildflags' (-O2 first), which does not matter.
commands=("$tree"/obj-*/compile_commands.json)
compiles=$(grep -h '^ *"command": ' "${commands[@]}" 2>/dev/null || true)
[ -n "$compiles" ] || fail "no compile commands in $tree/obj-*"
unfortified=$(grep -v -- '-D_FORTIFY_SOURCE=2 ' <<<"$compiles" || true)
unoptimised=$(grep -Ev -- ' -O[1-3s] ' <<<"$compiles" || true)
[ -z "$unfortified$unoptimised" ] \
  || fail "sources compiled without _FORTIFY_SOURCE=2 or optimisation: $unfortified$unoptimised"

# Debian's own checker at its strictest, informational and pedantic tags
# included: none at all. A false alarm is overridden, with its reason, in
# the override file of the package (debian/ravelin.lintian-overrides) or
# of the source (debian/source/lintian-overrides); an override that no
# longer matches is itself reported. The .changes names source, package
# and debugging symbols alike.
lintian_status=0
timeout 240 lintian --display-info --pedantic --fail-on error,warning,info,pedantic "${changes[0]}" \
  >"$scratch/lintian.log" 2>"$scratch/lintian.err" || lintian_status=$?
# As root, lintian says so on its error output; that is not a finding.
grep -v '^running with root privileges is not recommended!$' "$scratch/lintian.err" >&2 || true
cat "$scratch/lintian.log"
if [ $lintian_status -ne 0 ] || grep -Eq '^[EWIPX]: ' "$scratch/lintian.log"; then
  fail "lintian"
fi

[ $status -eq 0 ] && echo "package $(basename "$deb") is complete"
exit $status
