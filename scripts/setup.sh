#!/usr/bin/env bash
# Installs everything the build and the tests need (Debian 12). Safe to run again.
set -euo pipefail
packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
  googletest libgtest-dev libbenchmark-dev libboost-dev libstb-dev libssl-dev
  wine wine64 xvfb xauth xdotool x11-utils imagemagick zbar-tools libzxing-dev
  fonts-wine fonts-wqy-microhei nsis python3 procps
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO=sudo
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
