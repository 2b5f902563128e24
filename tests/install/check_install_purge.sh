#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the package with dpkg, checks that the program and its files are
# in place and that the program starts, purges it, and requires that nothing of it is left: none of its
# files, none of the folders it brought, nothing in dpkg's database. Needs
# root and a system without Ravelin installed; otherwise it says why and is
# skipped (status 77) rather than touch an installation it did not make.
# Usage: check_install_purge.sh PACKAGE_FOLDER
set -euo pipefail
folder=${1:?package folder}
debs=("$folder"/ravelin_*.deb)
deb=${debs[0]}
[ -f "$deb" ] || { echo "FAIL: no ravelin_*.deb in $folder" >&2; exit 1; }
if [ "$(id -u)" -ne 0 ]; then
  echo "skipped: installing a package needs root" >&2
  exit 77
fi
# The state dpkg knows the package in: empty or not-installed when unknown.
state() { dpkg-query -W -f='${db:Status-Status}' ravelin 2>/dev/null || true; }
if [ -n "$(state)" ] && [ "$(state)" != not-installed ]; then
  echo "skipped: Ravelin is installed on this system already" >&2
  exit 77
fi

status=0
fail() { echo "FAIL: $*" >&2; status=1; }
# Every path of the package, folders included, and dpkg's own files of it.
mapfile -t paths < <(dpkg-deb --fsys-tarfile "$deb" | tar -t | sed 's|^\./|/|; s|/$||' | grep -v '^$' | grep -v '^\.$')
trace() {
  for p in "${paths[@]}"; do [ -e "$p" ] || [ -L "$p" ] && echo "$p"; done
  ls -d /var/lib/dpkg/info/ravelin.* 2>/dev/null || true
}
before=$(trace | sort)

log=$(mktemp)
trap 'rm -f "$log"; dpkg --purge ravelin >/dev/null 2>&1 || true' EXIT
if ! DEBIAN_FRONTEND=noninteractive timeout 120 dpkg -i "$deb" >"$log" 2>&1; then
  cat "$log" >&2
  fail "dpkg -i"
fi
[ "$(state)" = installed ] || fail "'$(state)', not installed after dpkg -i"
[ -x /usr/bin/ravelin ] || fail "no /usr/bin/ravelin after installing"
missing=$(for p in "${paths[@]}"; do [ -e "$p" ] || echo "$p"; done)
[ -z "$missing" ] || fail "installed without: $missing"
# It starts, from its place in the system, and keeps its window up until
# it is ended: timeout's status 124, not one of its own.
started=0
QT_QPA_PLATFORM=offscreen timeout 3 /usr/bin/ravelin >"$log" 2>&1 || started=$?
if [ "$started" -ne 124 ]; then
  cat "$log" >&2
  fail "the installed program ended by itself, status $started"
fi

if ! DEBIAN_FRONTEND=noninteractive timeout 120 dpkg --purge ravelin >"$log" 2>&1; then
  cat "$log" >&2
  fail "dpkg --purge"
fi
[ -z "$(state)" ] || [ "$(state)" = not-installed ] || fail "dpkg still knows it as '$(state)' after purging"
left=$(diff <(echo "$before") <(trace | sort) || true)
[ -z "$left" ] || fail "purging left a trace (> is new): $left"
[ $status -eq 0 ] && echo "$(basename "$deb") installs and purges without a trace"
exit $status
