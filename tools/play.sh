#!/bin/sh
# Installs what the game needs, builds the game and its pictures (nothing else) and starts it.
set -eu
cd "$(dirname "$0")/.."
sh tools/deps.sh play
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DTENRALI_TESTS=OFF
cmake --build build -j"$(nproc)" --target tenrali
exec ./build/tenrali
