#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up a Debian 12 machine for Ravelin, builds it, and then either starts
# the program (./setup.sh run) or runs every test (./setup.sh test).
# Installs only what is missing; a second call with everything in place
# only rebuilds what changed.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
build="$here/build"
what=${1:-run}
case "$what" in
  run | test) ;;
  *)
    echo "usage: $0 [run|test]" >&2
    exit 2
    ;;
esac

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation2 fonts-dejavu-core qt6-translations-l10n
)
if [ "$what" = test ]; then
  packages+=(xvfb xauth x11-utils xdotool imagemagick)
  # The accessibility bus and a screen reader's view of the program.
  packages+=(dbus-daemon at-spi2-core python3-pyatspi)
  # Validators of the desktop files, the SVG icon's renderer, the Debian
  # package's tools, its checker and the manual page reader, and the style
  # checkers (the layer check is a Python script).
  packages+=(desktop-file-utils appstream librsvg2-bin dpkg-dev file lintian man-db clang-format clang-tidy python3)
  # The fuzzers need clang and its runtime (only recommended by clang).
  packages+=(clang libclang-rt-14-dev)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_=""
  [ "$(id -u)" -ne 0 ] && sudo_=sudo
  $sudo_ apt-get update -qq
  $sudo_ env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$build" -j "$(nproc)"

case "$what" in
  run)
    exec "$build/ravelin"
    ;;
  test)
    ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
    "$here/tools/check-style.sh" "$build"
    # Then every test again with AddressSanitizer and UndefinedBehaviorSanitizer
    # (preset asan, folder build-asan), and each reader fuzzed for a bounded time.
    if [ ! -f "$here/build-asan/CMakeCache.txt" ]; then
      cmake -S "$here" --preset asan
    fi
    cmake --build "$here/build-asan" -j "$(nproc)"
    (cd "$here" && ctest --preset asan -j "$(nproc)")
    "$here/fuzz/run-fuzzers.sh"
    ;;
esac
