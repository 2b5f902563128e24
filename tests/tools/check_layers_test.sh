#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The layer check on a tiny tree that breaks each of its rules once, and on
# the same tree mended: every broken rule is found at its line, and a sound
# tree passes.
set -euo pipefail
check=${1:?usage: check_layers_test.sh tools/check-layers.py}
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
src=$tree/src
mkdir -p "$src"/{board,text,window,run,import,control,wiring,face,app}

printf '#include "board/b.h"\n' >"$src/text/ok.h"
printf '#include <QWidget>\n#include "window/w.h"\n' >"$src/face/f.cpp"
printf '#include "wiring/c.h"\n' >"$src/app/main.cpp"
printf '#include "window/w.h"\n#include "board/b.h"\n' >"$src/wiring/c.h"
printf '#include "window/w.h"\n#include "control/m.h"\n' >"$src/run/r.cpp"
printf '#include <vector>\n' >"$src/board/b.h"

# One break of each rule, each on line 2 of its file.
printf '#include <vector>\n#include <QString>\n' >"$src/run/qt.cpp"
printf '#include <vector>\n#include "text/t.h"\n' >"$src/board/up.h"
printf '#include "board/b.h"\n#include "window/w.h"\n' >"$src/text/up.h"
printf '#include "board/b.h"\n#include "run/r.h"\n' >"$src/window/w.h"
printf '#include "window/w.h"\n#include "run/r.h"\n' >"$src/import/i.cpp"
printf '#include "window/w.h"\n#include "import/i.h"\n' >"$src/control/m.h"

status=0
out=$("$check" "$src") && { echo "a broken tree passed"; status=1; }
expect=(
  "$src/run/qt.cpp:2: nothing outside face and app includes Qt"
  "$src/board/up.h:2: board includes nothing of the project"
  "$src/text/up.h:2: text includes only board"
  "$src/window/w.h:2: the window model includes no handler and not the wiring"
  "$src/import/i.cpp:2: import and run never include each other"
  "$src/control/m.h:2: no folder cycle"
)
for line in "${expect[@]}"; do
  grep -qF -- "$line" <<<"$out" || { echo "not found: $line"; status=1; }
done
# Nothing else: the edges of the cycles only, and each break once.
count=$(grep -c ': ' <<<"$out" || true)
[ "$count" -ge "${#expect[@]}" ] || { echo "too few lines"; status=1; }
if grep -F "$src/face/" <<<"$out" || grep -F "$src/app/" <<<"$out" || grep -F "$src/wiring/" <<<"$out"; then
  echo "a sound file was blamed"; status=1
fi

# Mended, the tree passes.
rm "$src/run/qt.cpp" "$src/board/up.h" "$src/text/up.h" "$src/import/i.cpp" "$src/control/m.h"
printf '#include "board/b.h"\n' >"$src/window/w.h"
printf '#include "window/w.h"\n' >"$src/control/m.h"
"$check" "$src" >/dev/null || { echo "a sound tree failed:"; "$check" "$src"; status=1; }
[ $status -eq 0 ] && echo "check-layers: every rule caught once"
exit $status
