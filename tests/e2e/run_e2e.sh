#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the program under its own Xvfb, twice. With the mouse: types a spin
# count, chooses "Durchlauf", presses Start, takes a screenshot, then presses
# "Ende" and confirms with Enter. With the keyboard alone: types a count,
# presses Start by Space through the whole run and on after its end (the
# program must still run), marks a number by Space in the frequency grid
# (screenshot: the log still shows the run, one number is marked), restarts
# through "Abbruch" and Return, opens Import, chooses a permanence with the
# arrow keys (screenshot), imports it, runs it by Space and leaves by "Ende"
# and Return. Passes when the program ends with status 0 both times and the
# screenshots show the window. The screenshots stay in the output folder
# (ravelin-e2e.png, ravelin-e2e-keys-run.png, ravelin-e2e-keys-import.png).
# Usage: run_e2e.sh PROGRAM OUTPUT_FOLDER
set -euo pipefail
program=${1:?program}
out=${2:?output folder}
mkdir -p "$out"
shot=$out/ravelin-e2e.png
rm -f "$shot"

xpid=""
ppid=""
cleanup() {
  [ -n "$ppid" ] && kill "$ppid" 2>/dev/null || true
  [ -n "$xpid" ] && kill "$xpid" 2>/dev/null || true
  [ -n "$xpid" ] && wait "$xpid" 2>/dev/null || true
}
trap cleanup EXIT

# The server takes a free display itself and names it once it accepts
# clients: other tests start servers of their own at the same time, and a
# number that looks free in /tmp may still be held by a server elsewhere.
told=$out/xvfb.display
: >"$told"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$told" >"$out/xvfb.log" 2>&1 &
xpid=$!
display=""
for _ in $(seq 100); do
  display=$(head -n 1 "$told")
  [ -n "$display" ] && break
  kill -0 "$xpid" 2>/dev/null || break
  sleep 0.1
done
[ -n "$display" ] || { echo "Xvfb did not start" >&2; cat "$out/xvfb.log" >&2; exit 1; }
export DISPLAY=:$display
unset WAYLAND_DISPLAY QT_SCALE_FACTOR

# Starts the program (or the copy given second) in the given folder and
# waits for its window.
launch() {
  (cd "$1" && exec env QT_QPA_PLATFORM=xcb "${2:-$program}") >>"$out/program.log" 2>&1 &
  ppid=$!
  window=""
  for _ in $(seq 100); do
    window=$(timeout 5 xdotool search --onlyvisible --name "Ravelin" 2>/dev/null | head -n 1 || true)
    [ -n "$window" ] && break
    kill -0 "$ppid" 2>/dev/null || {
      echo "the program ended before its window showed:" >&2
      tail -n 20 "$out/program.log" >&2
      exit 1
    }
    sleep 0.1
  done
  [ -n "$window" ] || { echo "no window named Ravelin" >&2; exit 1; }
  # Without a window manager the keys go where the input focus is set.
  x windowfocus --sync "$window"
  sleep 0.3
}

# Waits for the program to end; sets code to its exit status.
await_end() {
  code=""
  for _ in $(seq 100); do
    if ! kill -0 "$ppid" 2>/dev/null; then
      wait "$ppid" && code=0 || code=$?
      break
    fi
    sleep 0.1
  done
  local ended=$ppid
  ppid=""
  if [ -z "$code" ]; then
    echo "the program did not end within 10 s of $1" >&2
    kill "$ended" 2>/dev/null || true
    exit 1
  fi
}

x() { timeout 10 xdotool "$@"; }
# Client-area places of the window, in pixels (15 twips each), below the
# menu bar: the window is that much taller than its client area of 477.
menu_bar() {
  local height
  height=$(x getwindowgeometry "$window" | sed -n 's/.*Geometry: [0-9]*x\([0-9]*\).*/\1/p')
  echo $((height - 477))
}
click() { x mousemove --window "$window" --sync "$1" $(($2 + $(menu_bar))) click 1; sleep 0.3; }
# Keys to the window, one after the other.
keys() { x key --delay 80 "$@"; sleep 0.3; }
durchlauf=(532 116) # the option "Durchlauf": 7200,1530 twips, 1575 x 435
start=(532 287)     # "Start": 7140,4080 twips, 1680 x 450, at its centre
ende=(532 435)      # "Ende": 7140,6300 twips, 1680 x 450, at its centre

: >"$out/program.log"
status=0

# --- With the mouse -------------------------------------------------------
launch "$PWD"
x type --delay 50 30
sleep 0.3
click "${durchlauf[@]}"
click "${start[@]}"
sleep 1

timeout 20 import -window root "$shot"

click "${ende[@]}"
sleep 0.5
# The question "Ende" asks has Yes as its default button.
x key Return
await_end "Ende and Enter"
[ "$code" -eq 0 ] || { echo "the program ended with status $code" >&2; status=1; }

# --- With the keyboard alone -------------------------------------------------
# A folder of two text files; the second is a permanence of 60 spins.
perm=$out/permanence
rm -rf "$perm"
mkdir -p "$perm"
printf 'keine Permanenz\r\n' >"$perm/a-notiz.txt"
{
  printf 'Spielbank Hamburg\r\nTisch 1\r\nTastatur\r\n'
  for i in $(seq 60); do printf '%d\r\n' $((i * 7 % 36 + 1)); done
} >"$perm/b-hamburg.txt"
runshot=$out/ravelin-e2e-keys-run.png
panelshot=$out/ravelin-e2e-keys-import.png
rm -f "$runshot" "$panelshot"

launch "$perm"
# The caret starts in the count; "Einzelschritt" stays chosen, so Start is
# two Tabs on, past the chosen option. Thirty spins take 31 presses at most,
# one a phase and one that finds the run's end; the presses after it fall on
# the spin log, which takes the focus when Start is disabled.
x type --delay 50 30
keys Tab Tab
keys $(printf 'space %.0s' $(seq 34))
sleep 0.5
kill -0 "$ppid" 2>/dev/null || {
  echo "Space after the end of the run ended the program" >&2
  exit 1
}
# Back from the log over the green grid's buttons and the green grid to the
# frequency grid; a row down, and Space marks its number.
keys shift+Tab shift+Tab shift+Tab shift+Tab Down space
sleep 0.5
timeout 20 import -window root "$runshot"
# Places of the window, in pixels: the spin log's first ten rows (3720,2010
# twips, clear of its scroll bar) hold the run's dark digits; the number
# column of the frequency grid (405,315 twips) shows one light green row,
# ten or so pixels of a column line through it.
ink=$(timeout 20 convert "$runshot" -crop 150x110+250+136 +repage -colorspace Gray \
  -threshold 50% -format '%[fx:mean]' info:)
echo "spin log after the run: white share $ink"
if awk -v m="$ink" 'BEGIN { exit !(m > 0.98) }'; then
  echo "the spin log shows no run after the presses (white share $ink)" >&2
  status=1
fi
marked=$(timeout 20 convert "$runshot" -crop 1x407+31+22 txt:- | grep -ci 'C0FFC0' || true)
if [ "$marked" -lt 5 ] || [ "$marked" -gt 11 ]; then
  echo "Space in the frequency grid did not mark one number ($marked green pixels)" >&2
  status=1
fi
# Up over Info to "Abbruch"; Return answers its question Yes, and the
# restart hands the focus back to the count.
keys shift+Tab shift+Tab space
sleep 0.5
x key Return
sleep 0.5
x windowfocus --sync "$window"
sleep 0.3
# Over the chosen option and "Ende" to "Import".
keys Tab Tab Tab space
# In the panel: the drive, the folders, the files; the arrow takes the second.
keys Tab Tab Down
sleep 0.5
timeout 20 import -window root "$panelshot"
keys Tab space
sleep 0.5
# The import enables Start and hands it the focus; the run by Space.
for _ in $(seq 6); do keys space; done
keys Tab space
sleep 0.5
x key Return
await_end "the keyboard session"
[ "$code" -eq 0 ] || { echo "the keyboard session ended with status $code" >&2; status=1; }

# The window lies at the screen's top left; a blank or black screen has a
# colour or two, the window with its grids, boxes and buttons many more.
for picture in "$shot" "$runshot" "$panelshot"; do
  colours=$(timeout 20 convert "$picture" -crop 638x477+0+0 +repage -unique-colors -format '%w' info:)
  if [ "${colours:-0}" -lt 20 ]; then
    echo "the screenshot $picture shows ${colours:-no} colours only: no window" >&2
    status=1
  fi
  echo "screenshot $picture: $colours colours"
done

# Info with 2.6 million short lines (5 MB) as the info file, which lies beside
# the program: the press returns, and the window still answers Ende and Enter.
storm=$out/storm
rm -rf "$storm"
mkdir -p "$storm"
cp "$program" "$storm/ravelin"
awk 'BEGIN { for (i = 0; i < 2600000; i++) print "x" }' >"$storm/info_ravelin.txt"
launch "$storm" "$storm/ravelin"
click 334 437 # "Info": 3960,6345 twips, 2115 x 435, at its centre
sleep 1
click "${ende[@]}"
sleep 0.5
x key Return
await_end "Ende after Info"
if [ "$code" != 0 ]; then
  echo "storm: the window did not answer Ende after Info (status $code)" >&2
  status=1
fi
rm -rf "$storm"
exit $status
