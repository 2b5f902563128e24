#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzz targets of the readers with clang (core only) and runs each
# for FUZZ_SECONDS seconds (default 60) from its seed corpus. Any crash,
# sanitizer report, leak, time-out or memory blow-up fails the script; the
# input that caused it is left in build-fuzz/artifacts/.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$here/build-fuzz"
seconds=${FUZZ_SECONDS:-60}
targets=(fuzz_number_reading fuzz_permanence_reader fuzz_rich_text_reader)

if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ -DRAVELIN_WITH_UI=OFF -DBUILD_TESTING=OFF -DRAVELIN_FUZZ=ON
fi
cmake --build "$build" -j "$(nproc)" --target "${targets[@]}"

mkdir -p "$build/artifacts"
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:halt_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
failed=0
for target in "${targets[@]}"; do
  name=${target#fuzz_}
  seeds="$here/fuzz/corpus/$name"
  # New inputs go to a working corpus, so the seeds in the tree stay as written.
  work="$build/corpus/$name"
  mkdir -p "$work"
  log="$build/$target.log"
  echo "== $target: $seconds s"
  if "$build/fuzz/$target" "$work" "$seeds" \
      -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
      -print_final_stats=1 -artifact_prefix="$build/artifacts/$target-" >"$log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    echo "   ok, ${runs:-?} executions"
  else
    failed=1
    echo "   FINDING in $target (log: $log)"
    grep -E 'ERROR|SUMMARY|runtime error|Test unit written' "$log" | head -20 || true
  fi
done
exit "$failed"
