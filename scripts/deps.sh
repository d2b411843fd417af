#!/usr/bin/env bash
# Installs the Debian packages that the build, the game and the tests need. Safe to run again.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config git
  googletest libgtest-dev libgmock-dev libbenchmark-dev libglm-dev
  liblua5.1-0-dev libminizip-dev zlib1g-dev libtinyxml2-dev
  libsdl2-dev libepoxy-dev libgl1-mesa-dri mesa-utils
  libfreetype-dev libfontconfig-dev fonts-liberation2 fonts-ocr-a fonts-dejavu-core
  libopenal-dev libbullet-dev libenet-dev
  libavformat-dev libavcodec-dev libavutil-dev libswresample-dev libswscale-dev
  libcairo2-dev qt6-base-dev
  xvfb xauth
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
