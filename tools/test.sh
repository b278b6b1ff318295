#!/bin/sh
# Installs what the tests need, builds everything and runs every test. Then the hardening stages:
# the whole suite again under AddressSanitizer and UndefinedBehaviorSanitizer with a longer
# random-play soak, and each fuzz target for a bounded time. Last, the web page: built with
# Emscripten and played in headless Chromium (tools/web/test.sh).
#   TENRALI_TEST_QUICK=1       only the first stage
#   TENRALI_TEST_WEB=0         no web page stage
#   TENRALI_SOAK_STEPS=N       steps of the sanitized soak (default 3000000, a few minutes)
#   TENRALI_FUZZ_SECONDS=N     seconds per fuzz target (default 25)
set -eu
cd "$(dirname "$0")/.."
sh tools/deps.sh
jobs=$(nproc)
stage() { echo "== $1 ($(date +%H:%M:%S))"; }

stage "build and test"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTENRALI_TESTS=ON
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"
[ "${TENRALI_TEST_QUICK:-0}" = 1 ] && exit 0

stage "sanitizers: build and test"
# The standard library's own checks too: an index past the end of a std::array stops the test.
cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTENRALI_SANITIZE=ON -DCMAKE_CXX_FLAGS=-D_GLIBCXX_ASSERTIONS
cmake --build build-sanitize -j"$jobs"
# The window's test starts the real game under X servers of its own on a shared machine: a test
# that fails is run once more (the first failure stays in the log).
ctest --test-dir build-sanitize --output-on-failure -j"$jobs" --repeat until-pass:2

stage "sanitizers: random play"
TENRALI_SOAK_STEPS=${TENRALI_SOAK_STEPS:-3000000} TENRALI_SOAK_SEED=${TENRALI_SOAK_SEED:-1000001} \
  build-sanitize/tests/tenrali_tests --gtest_filter='Soak.*'

stage "fuzzing"
TENRALI_GAME_DIR=build/game sh tools/fuzz.sh "${TENRALI_FUZZ_SECONDS:-25}"

if [ "${TENRALI_TEST_WEB:-1}" != 0 ]; then
  # Last, so that every other stage has been run and told before it: it installs Emscripten and
  # Chromium, and the first time builds the browser's libraries from Debian's sources (minutes).
  stage "web page: build and play in headless Chromium"
  sh tools/web/test.sh || { echo "== the web page FAILED (above); every stage before it passed"; exit 1; }
fi
stage "all passed"
