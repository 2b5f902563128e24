#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the benchmarks in a Release folder of their own (build-bench), runs
# them one after the other and prints every figure with its budget as one
# table. Exits with 1 when a figure misses its budget or a benchmark fails.
#   bench/run-all.sh            all figures
#   bench/run-all.sh --markdown the table as Markdown, for bench/README.md
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$here/build-bench"
markdown=0
[ "${1:-}" = "--markdown" ] && markdown=1

if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DBUILD_TESTING=OFF -DRAVELIN_BUILD_BENCH=ON >/dev/null
fi
cmake --build "$build" -j "$(nproc)" >/dev/null

export QT_QPA_PLATFORM=offscreen
figures=$(mktemp)
log=$(mktemp)
trap 'rm -f "$figures" "$log"' EXIT

failed=0
# program, then the environment it runs with: the window's presses once more
# on a screen of twice the density, for their painting only.
runs=("bench_core_run" "bench_window_press" "bench_window_press QT_SCALE_FACTOR=2"
      "bench_import_run" "bench_tally_files" "bench_tally_window" "bench_processes")
for run in "${runs[@]}"; do
  read -r program settings <<<"$run"
  echo "running $program ${settings:-}..." >&2
  if ! env ${settings:-} "$build/bench/$program" >"$log" 2>&1; then
    echo "$program failed:" >&2
    tail -n 20 "$log" >&2
    failed=1
  fi
  grep '^FIGURE' "$log" >>"$figures" || true
done

if [ "$markdown" = 1 ]; then
  echo "| Figure | Measured | Budget | |"
  echo "|---|---|---|---|"
  awk -F'\t' '{ printf "| %s | %s | %s | %s |\n", $2, $3, $4, $5 }' "$figures"
else
  awk -F'\t' 'BEGIN { printf "%-56s %-34s %-9s %s\n", "Figure", "Measured", "Budget", "" }
              { printf "%-56s %-34s %-9s %s\n", $2, $3, $4, $5 }' "$figures"
fi

grep -q $'\tFAIL$' "$figures" && failed=1
exit "$failed"
