#!/bin/sh
# Installs what the game needs, builds it and starts it.
set -eu
cd "$(dirname "$0")/.."
sh tools/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j"$(nproc)"
exec ./build/tenrali
