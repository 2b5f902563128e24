#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The layer check on the real src tree, which must pass, and on copies of it
# that each carry one planted break: the check names the planted file and
# line with its rule, and blames nothing else.
set -euo pipefail
check=${1:?usage: check_layers_test.sh tools/check-layers.py}
real=$(cd "$(dirname "$check")/../src" && pwd -P)  # the copies never reach the real tree
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
status=0

"$check" "$real" >/dev/null || { echo "the real tree failed:"; "$check" "$real"; status=1; }

# file in src | line planted at its end | rule expected at that line.
# The upward rows climb one rank each, so every rank stands below the next.
plants=(
  'board/wheel.h|#include "text/plain_number.h"|board may not include text: text stands above it'
  'text/plain_number.cpp|#include "window/form_model.h"|text may not include window: window stands above it'
  'window/startup.cpp|#include "platform/real_file_system.h"|window may not include platform: platform stands above it'
  'platform/clock_spin_source.cpp|#include "run/spin_run.h"|platform may not include run: run stands above it'
  'info/info_viewer.cpp|#include "wiring/form_controller.h"|info may not include wiring: wiring stands above it'
  'evaluation/chi_square.cpp|#include "tally/permanence_tally.h"|evaluation may not include tally: tally stands above it'
  'tally/permanence_tally.cpp|#include "wiring/form_controller.h"|tally may not include wiring: wiring stands above it'
  'evaluation/grid_counts.cpp|#include "run/spin_run.h"|evaluation may not include run: among the handlers only run includes control'
  'wiring/form_controller.cpp|#include "face/form1.h"|wiring may not include face: face stands above it'
  'control/marking.cpp|#include "info/info_viewer.h"|control may not include info: among the handlers only run includes control'
  'import/import_panel.cpp|#include "run/spin_run.h"|import and run never include each other'
  'run/spin_run.cpp|#include <QString>|nothing outside face and app includes Qt'
  'face/form1.cpp|#include "app/render_icons.h"|no folder cycle (face -> app leads back to face)'
)
for row in "${plants[@]}"; do
  IFS='|' read -r file include rule <<<"$row"
  rm -rf "$tree/src" && cp -r "$real" "$tree/src"
  target=$tree/src/$file
  [ -f "$target" ] || { echo "no such file to plant in: $file"; status=1; continue; }
  printf '%s\n' "$include" >>"$target"
  line=$(wc -l <"$target")
  out=$("$check" "$tree/src") && { echo "passed with $file planted"; status=1; }
  grep -qF -- "$target:$line: $rule" <<<"$out" || {
    printf 'not found: %s:%s: %s\ngot:\n%s\n' "$target" "$line" "$rule" "$out"; status=1; }
  # An upward include may also close a folder cycle; besides those, only the
  # planted line is blamed.
  case $rule in "no folder cycle"*) want=0 ;; *) want=1 ;; esac
  other=$(grep -F -- "$tree/src/" <<<"$out" | grep -cvF "no folder cycle" || true)
  [ "$other" -eq "$want" ] || { printf 'blamed more than the plant:\n%s\n' "$out"; status=1; }
done

# A new folder without a rank is refused even when it includes nothing.
rm -rf "$tree/src" && cp -r "$real" "$tree/src"
mkdir "$tree/src/extra" && printf '#include <vector>\n' >"$tree/src/extra/e.h"
out=$("$check" "$tree/src") && { echo "an unranked folder passed"; status=1; }
grep -qF -- "$tree/src/extra: folder extra has no layer" <<<"$out" || {
  printf 'unranked folder not named:\n%s\n' "$out"; status=1; }

[ $status -eq 0 ] && echo "check-layers: every planted break caught at its line"
exit $status
