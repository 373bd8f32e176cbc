#!/usr/bin/env bash
# Installs the Debian packages Veldrin needs to build, run and test, when any is
# missing. Debian's own archive is the only source.
set -euo pipefail

packages=(
  # build
  build-essential cmake pkg-config
  # game
  libsdl2-dev libgl-dev libglu1-mesa-dev libmikmod-dev libasound2-dev
  libfreetype-dev libfontconfig-dev fonts-dejavu-core fonts-urw-base35
  # dialogs
  libfltk1.3-dev
  # data generation: a font with the Chinese signs of the honour tiles
  fonts-wqy-zenhei
  # tests and benchmarks
  libgtest-dev libbenchmark-dev xvfb xauth xdotool x11-apps x11-utils
  imagemagick sox strace
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
