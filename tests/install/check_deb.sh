#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package with cpack into a scratch folder and inspects it
# with dpkg-deb: its control fields, its declared dependencies and its files,
# the changelog, manual page and licence notice, and has Debian's own checker
# (lintian) and the AppStream validator judge it.
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
if ! (cd "$scratch" && unset SOURCE_DATE_EPOCH && timeout 240 cpack --config "$build/CPackConfig.cmake" -G DEB -B "$scratch" >"$scratch/cpack.log" 2>&1); then
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
for needed in libqt6widgets6 fonts-liberation2 fonts-dejavu-core; do
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
has '^-rwxr-xr-x root/root .* \./usr/lib/ravelin/ravelin$' "usr/lib/ravelin/ravelin, executable"
has '^lrwxrwxrwx root/root .* \./usr/bin/ravelin -> \.\./lib/ravelin/ravelin$' "usr/bin/ravelin link"
has ' \./usr/share/applications/ravelin\.desktop$' "desktop entry"
has ' \./usr/share/metainfo/de\.ravelin\.Ravelin\.metainfo\.xml$' "metainfo"
has ' \./usr/share/icons/hicolor/48x48/apps/ravelin\.png$' "48 px icon"
has ' \./usr/share/icons/hicolor/scalable/apps/ravelin\.svg$' "scalable icon"
if [ -f "$source/src/info/info_ravelin.txt" ]; then
  has ' \./usr/lib/ravelin/info_ravelin\.txt$' "info file beside the program"
fi
if grep -Eq 'ravelin_icons|tst_|test_' <<<"$listing"; then
  fail "helpers or tests in the package"
fi
has '^-rw-r--r-- root/root .* \./usr/share/doc/ravelin/copyright$' "licence notice"
has '^-rw-r--r-- root/root .* \./usr/share/doc/ravelin/changelog\.gz$' "changelog"
has '^-rw-r--r-- root/root .* \./usr/share/man/man1/ravelin\.1\.gz$' "manual page"

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

# The manual page formats without a warning.
page=$tree/usr/share/man/man1/ravelin.1.gz
if [ -f "$page" ]; then
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null) || fail "man -l failed"
  [ -z "$warnings" ] || fail "the manual page warns: $warnings"
  for section in NAME ÜBERSICHT BESCHREIBUNG DATEIEN 'SIEHE AUCH'; do
    grep -q "^\.SH \"\?$section\"\?$" <(zcat "$page") || fail "the manual page has no section $section"
  done
  grep -q 'info_ravelin\.txt' <(zcat "$page") || fail "the manual page does not name the info file"
fi

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

metainfo=$tree/usr/share/metainfo/de.ravelin.Ravelin.metainfo.xml
grep -q "<release version=\"$version\"" "$metainfo" || fail "the metainfo names no release $version"
grep -q '<project_license>GPL-3.0-or-later</project_license>' "$metainfo" || fail "the metainfo's licence"
timeout 60 appstreamcli validate --no-net "$metainfo" >"$scratch/appstream.log" 2>&1 \
  || { cat "$scratch/appstream.log" >&2; fail "appstreamcli validate"; }

# The package of a sanitizer or fuzzing build is a test tool, never shipped:
# the sanitizers keep the source paths for their reports, and it is not the
# package Debian's checker judges.
if grep -Eq '^RAVELIN_(SANITIZE|FUZZ):BOOL=ON$' "$build/CMakeCache.txt"; then
  echo "note: instrumented build, its package is not checked for build paths and by lintian" >&2
else
  for path in "$build" "$source"; do
    if strings -a "$tree/usr/lib/ravelin/ravelin" | grep -qF "$path"; then
      fail "the program keeps the path $path"
    fi
  done

  # Debian's own checker: no error and no warning. A tag that cannot be
  # helped would be overridden, with its reason, in the package's override
  # file (usr/share/lintian/overrides/ravelin).
  lintian_status=0
  timeout 240 lintian --fail-on error,warning "$deb" >"$scratch/lintian.log" 2>"$scratch/lintian.err" \
    || lintian_status=$?
  # As root, lintian says so on its error output; that is not a finding.
  grep -v '^running with root privileges is not recommended!$' "$scratch/lintian.err" >&2 || true
  cat "$scratch/lintian.log"
  if [ $lintian_status -ne 0 ] || grep -Eq '^[EW]: ' "$scratch/lintian.log"; then
    fail "lintian"
  fi
fi

[ $status -eq 0 ] && echo "package $(basename "$deb") is complete"
exit $status
