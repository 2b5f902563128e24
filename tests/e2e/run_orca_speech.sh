#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs orca_speech.py on a D-Bus session of its own. A start of Orca that
# went wrong before the first key (status 75) is no finding about the
# program: it is tried again on a new bus, at most three times in all.
# Usage: run_orca_speech.sh PROGRAM OUTPUT_FOLDER
here=$(dirname "$0")
for start in 1 2 3; do
  # Orca runs once a user: another test's Orca is waited for, five minutes
  # at most, rather than taken for a fault of the program.
  waited=0
  while pgrep -u "$(id -u)" -x orca >/dev/null && [ "$waited" -lt 300 ]; do
    sleep 1
    waited=$((waited + 1))
  done
  dbus-run-session -- /usr/bin/python3 "$here/orca_speech.py" "$1" "$2"
  status=$?
  [ "$status" -ne 75 ] && exit "$status"
  echo "start $start of Orca went wrong before the first key" >&2
done
exit 1
