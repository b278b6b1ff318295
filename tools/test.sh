#!/bin/sh
# Installs what the tests need, builds everything and runs every test.
set -eu
cd "$(dirname "$0")/.."
sh tools/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"
ctest --test-dir build --output-on-failure -j"$(nproc)"
