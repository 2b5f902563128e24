#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package with cpack into a scratch folder, under a umask
# that would hide everything from other users, and inspects it with dpkg-deb:
# its control fields, its declared dependencies and its files, the changelog,
# both manual pages and the licence notice, reads the program's hardening
# with readelf, and has Debian's own checker (lintian, at its strictest) and
# the AppStream validator judge it.
# Usage: check_deb.sh BUILD_FOLDER SOURCE_FOLDER
set -euo pipefail
build=${1:?build folder}
source=${2:?source folder}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

status=0
fail() { echo "FAIL: $*" >&2; status=1; }

# Without SOURCE_DATE_EPOCH, as a plain "cpack -G DEB" runs: the package
# then dates itself by the last commit.
if ! (cd "$scratch" && unset SOURCE_DATE_EPOCH && umask 077 && timeout 240 cpack --config "$build/CPackConfig.cmake" -G DEB -B "$scratch" >"$scratch/cpack.log" 2>&1); then
  cat "$scratch/cpack.log" >&2
  fail "cpack"
  exit 1
fi
debs=("$scratch"/ravelin_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || { fail "expected one ravelin_*.deb, found: ${debs[*]}"; exit 1; }
deb=${debs[0]}

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = ravelin ] || fail "package name '$(field Package)'"
[ "$(field Version)" = "$(sed -n 's/^project(ravelin VERSION \([0-9.]*\).*/\1/p' "$source/CMakeLists.txt")" ] \
  || fail "version '$(field Version)' is not the program's"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "architecture '$(field Architecture)'"
[ "$(field Maintainer)" = "The Ravelin developers <ravelin@ravelin.invalid>" ] \
  || fail "maintainer '$(field Maintainer)'"
[ -z "$(field Homepage)" ] || fail "a homepage that does not exist: $(field Homepage)"
grep -q 'Würfe' <<<"$(field Description)" || fail "the description is not German"
[ "$(field Description | wc -l)" -ge 4 ] || fail "the extended description is too short"
# Counted in characters: the German text is UTF-8.
long=$(field Description | LC_ALL=C.UTF-8 grep -E '^.{81}' || true)
[ -z "$long" ] || fail "description lines wider than 80 columns: $long"

depends=$(field Depends)
# Qt's German texts come from its translations, which no library pulls in.
for needed in libqt6widgets6 fonts-liberation2 fonts-dejavu-core qt6-translations-l10n; do
  grep -Eq "(^|, )$needed( |,|$)" <<<"$depends" || fail "does not depend on $needed: $depends"
done
if grep -q 'CPACK_DEBIAN_PACKAGE_SHLIBDEPS "ON"' "$build/CPackConfig.cmake"; then
  # The libraries the program links come in through dpkg-shlibdeps.
  grep -Eq "(^|, )libc6 " <<<"$depends" || fail "no shared-library dependencies: $depends"
fi
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
has '^-rw-r--r-- root/root .* \./usr/share/doc/ravelin/changelog\.gz$' "changelog"
has '^-rw-r--r-- root/root .* \./usr/share/man/man1/ravelin\.1\.gz$' "English manual page"
has '^-rw-r--r-- root/root .* \./usr/share/man/de/man1/ravelin\.1\.gz$' "German manual page"
has '^-rw-r--r-- root/root .* \./usr/share/lintian/overrides/ravelin$' "lintian overrides"

tree=$scratch/tree
dpkg-deb -x "$deb" "$tree"
version=$(field Version)

# Every time stamp is the last commit's, so the same commit packs the same.
if epoch=$(git -C "$source" log -1 --format=%ct 2>/dev/null); then
  stamps=$(dpkg-deb --fsys-tarfile "$deb" | tar -tv --full-time | awk '{ print $4 "T" $5 }' | sort -u)
  [ "$stamps" = "$(date -u -d "@$epoch" +%Y-%m-%dT%H:%M:%S)" ] \
    || fail "file times other than the last commit's: $(tr '\n' ' ' <<<"$stamps")"
  chdate=$(date -u -R -d "@$epoch")
else
  echo "note: no history, so the package's dates are not checked" >&2
  chdate=
fi

# The changelog in Debian's syntax, compressed without a name or time stamp.
changelog=$tree/usr/share/doc/ravelin/changelog.gz
if [ -f "$changelog" ]; then
  [ "$(od -An -tx1 -j3 -N5 "$changelog" | tr -d ' ')" = 0000000000 ] \
    || fail "changelog.gz keeps a file name or time stamp in its header"
  text=$(zcat "$changelog")
  [ "$(head -n1 <<<"$text")" = "ravelin ($version) unstable; urgency=medium" ] \
    || fail "changelog begins '$(head -n1 <<<"$text")'"
  trailer=$(grep '^ -- ' <<<"$text" | head -n1)
  [ "${trailer%%>*}>" = " -- The Ravelin developers <ravelin@ravelin.invalid>" ] \
    || fail "changelog trailer '$trailer'"
  if [ -n "$chdate" ]; then
    [ "${trailer#*>  }" = "$chdate" ] || fail "changelog dated '${trailer#*>  }', not '$chdate'"
  fi
fi

# Both manual pages format without a warning, have their language's
# sections and say where the info text is looked for.
for lang in en de; do
  page=$tree/usr/share/man/man1/ravelin.1.gz
  sections=(NAME SYNOPSIS DESCRIPTION FILES 'SEE ALSO')
  if [ $lang = de ]; then
    page=$tree/usr/share/man/de/man1/ravelin.1.gz
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
copyright=$tree/usr/share/doc/ravelin/copyright
if [ -f "$copyright" ]; then
  grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' "$copyright" \
    || fail "the licence notice is not in the machine-readable format"
  grep -qx 'Copyright: 2026 The Ravelin developers' "$copyright" || fail "no copyright line"
  grep -q '/usr/share/common-licenses/GPL-3' "$copyright" || fail "the notice does not point to GPL-3"
  ! grep -q 'TERMS AND CONDITIONS' "$copyright" || fail "the notice holds the licence's full text"
fi

metainfo=$tree/usr/share/metainfo/de.ravelin.ravelin.metainfo.xml
grep -q "<release version=\"$version\"" "$metainfo" || fail "the metainfo names no release $version"
grep -q '<project_license>GPL-3.0-or-later</project_license>' "$metainfo" || fail "the metainfo's licence"
timeout 60 appstreamcli validate --pedantic --no-net "$metainfo" >"$scratch/appstream.log" 2>&1 \
  || { cat "$scratch/appstream.log" >&2; fail "appstreamcli validate"; }

# The package of a sanitizer or fuzzing build is a test tool, never shipped:
# the sanitizers keep the source paths for their reports, it is built without
# the hardening flags, and it is not the package Debian's checker judges.
if grep -Eq '^RAVELIN_(SANITIZE|FUZZ):BOOL=ON$' "$build/CMakeCache.txt"; then
  echo "note: instrumented build, its package is not checked for build paths, hardening and by lintian" >&2
else
  app=$tree/usr/bin/ravelin
  for path in "$build" "$source"; do
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
  compiles=$(grep '^ *"command": ' "$build/compile_commands.json")
  [ -n "$compiles" ] || fail "no compile commands in $build"
  unfortified=$(grep -Ev -- '-D_FORTIFY_SOURCE=2 .*-O[1-3s] ' <<<"$compiles" || true)
  [ -z "$unfortified" ] || fail "sources compiled without _FORTIFY_SOURCE=2 and optimisation: $unfortified"

  # Debian's own checker at its strictest, informational and pedantic tags
  # included: none at all. A false alarm is overridden, with its reason, in
  # the package's override file (src/app/lintian-overrides); an override
  # that no longer matches is itself reported.
  lintian_status=0
  timeout 240 lintian --display-info --pedantic --fail-on error,warning,info,pedantic "$deb" \
    >"$scratch/lintian.log" 2>"$scratch/lintian.err" || lintian_status=$?
  # As root, lintian says so on its error output; that is not a finding.
  grep -v '^running with root privileges is not recommended!$' "$scratch/lintian.err" >&2 || true
  cat "$scratch/lintian.log"
  if [ $lintian_status -ne 0 ] || grep -Eq '^[EWIPX]: ' "$scratch/lintian.log"; then
    fail "lintian"
  fi
fi

[ $status -eq 0 ] && echo "package $(basename "$deb") is complete"
exit $status
