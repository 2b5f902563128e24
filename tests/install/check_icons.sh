#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The theme icons must be the window icon's picture: the PNGs are rendered
# again from the window's icon painter and compared, and the hand-drawn SVG
# is rasterised and compared with the largest PNG.
# Usage: check_icons.sh RAVELIN_ICONS_TOOL SOURCE_FOLDER
set -euo pipefail
tool=${1:?icon tool}
icons=${2:?source folder}/src/app/icons
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

status=0
fail() { echo "FAIL: $*" >&2; status=1; }

QT_QPA_PLATFORM=offscreen timeout 60 "$tool" "$scratch" 2>/dev/null
for size in 16 24 32 48 64 128 256; do
  # Allow a pixel or two of rounding between renderers, nothing more.
  differing=$(compare -metric AE -fuzz 3% "$icons/ravelin-$size.png" "$scratch/ravelin-$size.png" null: 2>&1 || true)
  allowed=$(( size * size / 200 ))
  if ! [[ $differing =~ ^[0-9]+$ ]] || [ "$differing" -gt "$allowed" ]; then
    fail "ravelin-$size.png is not the window icon any more ($differing pixels differ); run ravelin_icons src/app/icons"
  fi
done

for size in 48 256; do
  rsvg-convert -w "$size" -h "$size" "$icons/ravelin.svg" -o "$scratch/svg-$size.png"
  # Root mean square difference, normalised to 0..1.
  rmse=$(compare -metric RMSE "$scratch/ravelin-$size.png" "$scratch/svg-$size.png" null: 2>&1 | sed -n 's/.*(\(.*\))/\1/p' || true)
  awk -v e="$rmse" 'BEGIN { exit !(e != "" && e < 0.03) }' || fail "ravelin.svg differs from the $size px icon (RMSE ${rmse:-?})"
done

[ $status -eq 0 ] && echo "theme icons are the window icon"
exit $status
