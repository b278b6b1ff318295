#!/bin/sh
# Builds the web page (tools/web/build.sh) and plays it in headless Chromium against the headless
# game's pictures (tests/web/page_test.py). The last stage of tools/test.sh; on its own, it is the
# quick way to test the page after a change. Once the page is built, ctest plays it too (the test
# web_page; skipped while there is no page).
#   sh tools/web/test.sh
set -eu
cd "$(dirname "$0")/../.."
sh tools/deps.sh web
TENRALI_SKIP_DEPS=1 sh tools/web/build.sh build-web
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTENRALI_TESTS=ON >/dev/null
cmake --build build -j"$(nproc)" --target tenrali-play gamedata art
python3 tests/web/page_test.py build-web/web build/tenrali-play build/game build-web/page-test
