#!/usr/bin/env bash
# Builds the Debian package with cpack into a scratch folder and inspects it
# with dpkg-deb: its control fields, its declared dependencies and its files.
# Usage: check_deb.sh BUILD_FOLDER SOURCE_FOLDER
set -euo pipefail
build=${1:?build folder}
source=${2:?source folder}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

status=0
fail() { echo "FAIL: $*" >&2; status=1; }

if ! (cd "$scratch" && timeout 240 cpack --config "$build/CPackConfig.cmake" -G DEB -B "$scratch" >"$scratch/cpack.log" 2>&1); then
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
[ -n "$(field Maintainer)" ] || fail "no maintainer"
grep -q 'Würfe' <<<"$(field Description)" || fail "the description is not German"

depends=$(field Depends)
for needed in libqt6widgets6 fonts-liberation2 fonts-dejavu-core; do
  grep -Eq "(^|, )$needed( |,|$)" <<<"$depends" || fail "does not depend on $needed: $depends"
done
if grep -q 'CPACK_DEBIAN_PACKAGE_SHLIBDEPS "ON"' "$build/CPackConfig.cmake"; then
  # The libraries the program links come in through dpkg-shlibdeps.
  grep -Eq "(^|, )libc6 " <<<"$depends" || fail "no shared-library dependencies: $depends"
fi

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

[ $status -eq 0 ] && echo "package $(basename "$deb") is complete"
exit $status
