#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up a Debian 12 machine for Ravelin, builds it, and then either starts
# the program (./setup.sh run) or runs every test (./setup.sh test).
# Installs only what is missing; a second call with everything in place
# only rebuilds what changed.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
what=${1:-run}
case "$what" in
  run | test) ;;
  *)
    echo "usage: $0 [run|test]" >&2
    exit 2
    ;;
esac

# What building and running the program needs, fonts and Qt's German texts
# included; the tests need much more, so only "test" installs that.
packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev libboost-dev
  fonts-liberation2 fonts-dejavu-core qt6-translations-l10n
)
if [ "$what" = test ]; then
  packages+=(libgtest-dev libgmock-dev libbenchmark-dev)
  packages+=(xvfb xauth x11-utils xdotool imagemagick)
  # The accessibility bus and a screen reader's view of the program.
  packages+=(dbus-daemon at-spi2-core python3-pyatspi)
  # Orca, the desktop's screen reader, and its speech server, which the test
  # of what a blind user hears drives.
  packages+=(orca speech-dispatcher)
  # Validators of the desktop files, the SVG icon's renderer, the Debian
  # package's tools, its checker and the manual page reader, and the style
  # checkers (the layer check is a Python script).
  packages+=(desktop-file-utils appstream librsvg2-bin dpkg-dev file lintian man-db clang-format clang-tidy python3)
  # dpkg-buildpackage builds the package with debhelper; it wants everything
  # of debian/control's Build-Depends and the basic toolchain too.
  packages+=(build-essential debhelper)
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
  as_root=()
  if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null; then
      # Debian installs no sudo by default: say what to do rather than fail
      # half-way.
      echo "These packages are missing: ${missing[*]}" >&2
      echo "There is no sudo to install them. Run this as root, then $0 $what again:" >&2
      echo "  apt-get update && apt-get install --no-install-recommends ${missing[*]}" >&2
      exit 1
    fi
    as_root=(sudo)
  fi
  echo "Installing: ${missing[*]}"
  "${as_root[@]}" apt-get update -qq
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

cd "$here"
case "$what" in
  run)
    # The program alone, in its own folder (build-program), no test built.
    cmake --preset program >/dev/null
    cmake --build --preset program
    exec "$here/build-program/ravelin"
    ;;
  test)
    cmake --preset default
    cmake --build --preset default
    ctest --preset default -j "$(nproc)"
    "$here/tools/check-style.sh" "$here/build"
    # Then every test again with AddressSanitizer and UndefinedBehaviorSanitizer
    # (preset asan, folder build-asan), and each reader fuzzed for a bounded time.
    cmake --preset asan
    cmake --build --preset asan
    ctest --preset asan -j "$(nproc)"
    # The tally's reading beside the window, with ThreadSanitizer (core only).
    cmake --preset tsan
    cmake --build --preset tsan
    ctest --preset tsan
    "$here/fuzz/run-fuzzers.sh"
    ;;
esac
