#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the program a second time, in a scratch build folder at another
# place and depth, with the same settings as the given build folder, packs
# the first build under umask 077 and the second under umask 002 with cpack,
# and requires the two packages to be byte-identical.
# Usage: check_reproducible.sh BUILD_FOLDER SOURCE_FOLDER
set -euo pipefail
build=${1:?build folder}
source=${2:?source folder}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

cached() { sed -n "s/^$1:[A-Z]*=//p" "$build/CMakeCache.txt"; }
other=$scratch/another/build/folder
settings=(-G "$(cached CMAKE_GENERATOR)" -DCMAKE_BUILD_TYPE="$(cached CMAKE_BUILD_TYPE)"
  -DCMAKE_CXX_COMPILER="$(cached CMAKE_CXX_COMPILER)" -DCMAKE_CXX_FLAGS="$(cached CMAKE_CXX_FLAGS)"
  -DCMAKE_EXE_LINKER_FLAGS="$(cached CMAKE_EXE_LINKER_FLAGS)"
  -DCMAKE_POSITION_INDEPENDENT_CODE="$(cached CMAKE_POSITION_INDEPENDENT_CODE)"
  -DRAVELIN_BUILD_TESTS=OFF)
if ! { umask 002 && cmake -S "$source" -B "$other" "${settings[@]}" &&
  timeout 1200 cmake --build "$other" --target ravelin; } >"$scratch/build.log" 2>&1; then
  tail -n 40 "$scratch/build.log" >&2
  echo "FAIL: the second build" >&2
  exit 1
fi

# Both as a plain "cpack -G DEB" runs, dated by the last commit; the modes in
# the package are set by the build, not by whoever packs it.
for which in first second; do
  folder=$build
  mask=077
  [ $which = second ] && folder=$other && mask=002
  mkdir "$scratch/$which"
  if ! (cd "$scratch/$which" && unset SOURCE_DATE_EPOCH && umask $mask &&
    timeout 240 cpack --config "$folder/CPackConfig.cmake" -G DEB -B "$scratch/$which" >cpack.log 2>&1); then
    cat "$scratch/$which/cpack.log" >&2
    echo "FAIL: cpack of the $which build" >&2
    exit 1
  fi
done

first=("$scratch"/first/ravelin_*.deb)
second=("$scratch"/second/ravelin_*.deb)
if ! cmp "${first[0]}" "${second[0]}"; then
  # Name what differs, for whoever has to find the cause.
  for deb in "${first[0]}" "${second[0]}"; do
    dir=${deb%.deb}
    mkdir -p "$dir"
    dpkg-deb -R "$deb" "$dir"
  done
  diff -r "${first[0]%.deb}" "${second[0]%.deb}" >&2 || true
  diff <(dpkg-deb -c "${first[0]}") <(dpkg-deb -c "${second[0]}") >&2 || true
  echo "FAIL: packages of the same commit from two build folders, packed under umask 077 and 002, differ" >&2
  exit 1
fi
echo "the packages of two build folders, packed under umask 077 and 002, are byte-identical"
