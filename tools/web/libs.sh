#!/bin/sh
# Builds the libraries the web build links, for Emscripten, from Debian's own source packages:
# SDL2, FreeType, HarfBuzz (SDL_ttf shapes with it on the desktop too), SDL2_ttf and SDL2_mixer
# (Ogg Vorbis only, through its own stb_vorbis), static, into one prefix. The prefix is kept
# between builds and built again only when this script, the compiler or a source package's
# version changes.
#   sh tools/web/libs.sh [PREFIX]   default: ${XDG_CACHE_HOME:-~/.cache}/tenrali/web-libs
# Prints nothing but progress; the prefix is ready when it exits 0.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
cache=${XDG_CACHE_HOME:-$HOME/.cache}/tenrali
prefix=${1:-$cache/web-libs}
SUDO=""
[ "$(id -u)" = 0 ] || SUDO=sudo
jobs=$(nproc)
step() { echo "-- web libs: $1 ($(date +%H:%M:%S))"; }

# Debian's source packages: a deb-src entry beside each deb entry of the system's own list.
if ! apt-cache showsrc libsdl2 2>/dev/null | grep -q '^Package:'; then
  step "adding deb-src entries"
  list=/etc/apt/sources.list.d/tenrali-deb-src.sources
  if [ -f /etc/apt/sources.list.d/debian.sources ]; then
    sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources | $SUDO tee $list >/dev/null
  else
    grep -h '^deb ' /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null |
      sed 's/^deb /deb-src /' | $SUDO tee /etc/apt/sources.list.d/tenrali-deb-src.list >/dev/null
  fi
  $SUDO apt-get update -q >/dev/null
fi

sources="libsdl2 freetype harfbuzz libsdl2-ttf libsdl2-mixer"
version() { apt-cache showsrc --only-source "$1" | sed -n 's/^Version: //p' | sort -V | tail -1; }
key="$(sha256sum "$0" | cut -c1-16) emcc $(emcc -dumpversion)"
for s in $sources; do key="$key $s=$(version "$s")"; done
if [ -f "$prefix/.built" ] && [ "$(cat "$prefix/.built")" = "$key" ]; then
  step "up to date in $prefix"
  exit 0
fi

work=$cache/web-src
rm -rf "$work" "$prefix"
mkdir -p "$work" "$prefix"
cd "$work"
step "fetching the source packages"
# apt's sandbox user cannot write here; the download is checked against the signed lists all the same.
apt-get -q source $sources >/dev/null 2>"$work/apt-source.log" || { cat "$work/apt-source.log"; exit 1; }

# Small and fast: -Os, no debug info.
cmake_web() {
  src=$1
  shift
  nice emcmake cmake -S "$src" -B "$src/build-web" -G "Unix Makefiles" -Wno-dev \
    -DCMAKE_BUILD_TYPE=MinSizeRel -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_PREFIX_PATH="$prefix" \
    -DCMAKE_FIND_ROOT_PATH="$prefix" -DBUILD_SHARED_LIBS=OFF "$@" >"$src/configure.log" 2>&1 ||
    { tail -40 "$src/configure.log"; exit 1; }
  nice cmake --build "$src/build-web" -j"$jobs" >"$src/build.log" 2>&1 || { tail -40 "$src/build.log"; exit 1; }
  cmake --install "$src/build-web" >/dev/null
}

step "FreeType"
cmake_web freetype-*/ -DFT_DISABLE_ZLIB=ON -DFT_DISABLE_BZIP2=ON -DFT_DISABLE_PNG=ON -DFT_DISABLE_HARFBUZZ=ON \
  -DFT_DISABLE_BROTLI=ON

step "HarfBuzz"
cmake_web harfbuzz-*/ -DHB_HAVE_FREETYPE=ON -DHB_HAVE_GLIB=OFF -DHB_HAVE_ICU=OFF -DHB_HAVE_GOBJECT=OFF \
  -DHB_BUILD_UTILS=OFF -DHB_BUILD_SUBSET=OFF -DHB_BUILD_TESTS=OFF

step "SDL2"
# SDL2's configure asks the compiler about two hundred questions about its C library, each a
# whole Emscripten link: minutes on two free cores. The answers of this compiler are kept beside
# this script and given to CMake up front; another compiler is asked again, and its answers are
# written to the cache folder to keep beside this script.
answers=$here/sdl2-answers-emcc-$(emcc -dumpversion).cmake
preload=""
[ -f "$answers" ] && preload="-C$answers"
# Only what the game uses: video through the window surface, events, timers, sound through the
# browser's Web Audio. No threads in this build: SDL's timers run on the page's own timeouts.
cmake_web libsdl2-2*/ $preload -DSDL_SHARED=OFF -DSDL_STATIC=ON -DSDL_TEST=OFF -DSDL_PTHREADS=OFF -DSDL_THREADS=OFF \
  -DSDL_AUDIO=ON -DSDL_DISKAUDIO=OFF -DSDL_DUMMYAUDIO=OFF -DSDL_JOYSTICK=OFF -DSDL_HAPTIC=OFF -DSDL_HIDAPI=OFF -DSDL_SENSOR=OFF -DSDL_POWER=OFF \
  -DSDL_LOCALE=OFF -DSDL_MISC=OFF -DSDL_OPENGL=OFF -DSDL_OPENGLES=OFF -DSDL_RENDER=OFF

if [ -z "$preload" ]; then
  # Every check's result: the cache's internal entries named as CMake's checks name them.
  grep -E '^(HAVE_|LIBC_|STDC_HEADERS|COMPILER_SUPPORTS_|SDL_HAVE_|HAS_)[A-Za-z0-9_]*:INTERNAL=' \
    libsdl2-2*/build-web/CMakeCache.txt |
    sed -E 's/^([A-Za-z0-9_]+):INTERNAL=(.*)$/set(\1 "\2" CACHE INTERNAL "")/' >"$cache/$(basename "$answers")"
  step "SDL2's configure answers written to $cache/$(basename "$answers")"
fi

step "SDL2_ttf"
cmake_web libsdl2-ttf-2*/ -DSDL2TTF_SAMPLES=OFF -DSDL2TTF_VENDORED=OFF -DSDL2TTF_HARFBUZZ=ON \
  -DSDL2_DIR="$prefix/lib/cmake/SDL2"

step "SDL2_mixer"
# The game's sounds are Ogg Vorbis: every other format and every outside decoder off.
cmake_web libsdl2-mixer-2*/ -DSDL2MIXER_SAMPLES=OFF -DSDL2MIXER_VENDORED=OFF -DSDL2MIXER_DEPS_SHARED=OFF \
  -DSDL2MIXER_CMD=OFF -DSDL2MIXER_FLAC=OFF -DSDL2MIXER_MOD=OFF -DSDL2MIXER_MP3=OFF -DSDL2MIXER_MIDI=OFF \
  -DSDL2MIXER_OPUS=OFF -DSDL2MIXER_WAVE=OFF -DSDL2MIXER_VORBIS=STB -DSDL2_DIR="$prefix/lib/cmake/SDL2"

echo "$key" >"$prefix/.built"
rm -rf "$work"
step "done in $prefix"
