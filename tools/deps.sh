#!/bin/sh
# Installs the Debian packages Tenrali needs (Debian 12).
#   sh tools/deps.sh        everything: building, playing, the tests, the benchmarks, the fuzzers
#   sh tools/deps.sh play   only what building and playing the game needs
#   sh tools/deps.sh web    what building and testing the web page needs (tools/web/)
set -eu
SUDO=""
[ "$(id -u)" = 0 ] || SUDO=sudo
play="g++ cmake make pkg-config libsdl2-dev libsdl2-ttf-dev libsdl2-mixer-dev libfontconfig-dev libpng-dev libspeechd-dev
  fonts-ipafont-gothic fonts-ipafont-mincho fonts-urw-base35 fonts-dejavu-core librsvg2-bin imagemagick
  python3 python3-numpy fluidsynth musescore-general-soundfont-small vorbis-tools"
# The web page (tools/web/build.sh, tools/web/test.sh): Emscripten, Debian's source packages of
# its libraries, the fonts cut down, and Chromium to play it in.
web="emscripten dpkg-dev python3 python3-fonttools chromium"
tests="python3 libgtest-dev libbenchmark-dev xvfb xauth x11-utils xfonts-base xdotool clang libclang-rt-14-dev
  dpkg-dev file appstream desktop-file-utils man-db"
case "${1:-}" in
  play) packages=$play ;;
  web) packages="$play $web" ;;
  *) packages="$play $tests" ;;
esac
$SUDO apt-get update
# shellcheck disable=SC2086 # one word a package
DEBIAN_FRONTEND=noninteractive $SUDO apt-get -o DPkg::Lock::Timeout=900 install -y --no-install-recommends $packages
