#!/bin/sh
# Installs the Debian packages Tenrali needs to build, play and test (Debian 12).
set -eu
SUDO=""
[ "$(id -u)" = 0 ] || SUDO=sudo
$SUDO apt-get update
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends \
  g++ cmake make pkg-config libsdl2-dev libsdl2-ttf-dev libfontconfig-dev libpng-dev \
  fonts-ipafont-gothic fonts-ipafont-mincho fonts-urw-base35 fonts-dejavu-core \
  librsvg2-bin imagemagick python3 \
  libgtest-dev libbenchmark-dev xvfb xauth x11-utils xdotool clang libclang-rt-14-dev
