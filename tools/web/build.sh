#!/bin/sh
# Builds the game as one web page into build-web/web (index.html, tenrali.js, tenrali.wasm,
# tenrali.data): installs what it needs, builds the libraries from Debian's source packages once
# (tools/web/libs.sh keeps them), then the game with Emscripten.
#   sh tools/web/build.sh [BUILD_DIR]     default: build-web
# Serve the folder and open it: python3 -m http.server -b 127.0.0.1 -d build-web/web 8000
set -eu
cd "$(dirname "$0")/../.."
build=${1:-build-web}
[ "${TENRALI_SKIP_DEPS:-0}" = 1 ] || sh tools/deps.sh web
libs=${TENRALI_WEB_LIBS:-${XDG_CACHE_HOME:-$HOME/.cache}/tenrali/web-libs}
sh tools/web/libs.sh "$libs"
# Emscripten's tools look for their JavaScript modules where Debian puts them.
export NODE_PATH=${NODE_PATH:-/usr/share/nodejs}
emcmake cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=MinSizeRel -DTENRALI_WEB_LIBS="$libs" >/dev/null
cmake --build "$build" -j"$(nproc)" --target tenrali
echo "the page: $build/web"
