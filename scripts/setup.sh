#!/usr/bin/env bash
# Installs the Debian packages Plenwick needs to build, test and run.
# Only packages that are missing are installed.
set -euo pipefail

packages=(
  # building
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-webengine-dev qt6-svg-dev qt6-charts-dev libqt6opengl6-dev libgl-dev
  # testing, fuzzing and checking style (the style checks list the sources with git)
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev clang-format clang-tidy clazy git
  # running without a screen (and finding a window on it), the sample web
  # server, fonts for a bare system
  xvfb xauth x11-utils python3
  fonts-dejavu-core fonts-liberation2
  # the Debian package and its desktop metadata
  dpkg-dev file appstream desktop-file-utils
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
as_root=()
if [ "$(id -u)" -ne 0 ]; then
  as_root=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
