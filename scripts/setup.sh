#!/usr/bin/env bash
# Installs every Debian package the project needs to build, test and run. Safe to run again.
set -euo pipefail
packages=(
  cmake g++ ninja-build pkg-config
  qt6-base-dev libqt6sql6-sqlite qt6-qpa-plugins
  zlib1g-dev libsqlite3-dev sqlite3 libfontconfig-dev libdeflate-dev
  libgtest-dev googletest
  clang libclang-rt-14-dev
  fonts-wqy-microhei
  xvfb xauth x11-apps imagemagick xdotool openbox picom
  libxcb1-dev
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo_cmd apt-get update -q
  $sudo_cmd apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
