#!/bin/sh
# Fuzzes everything the game reads from outside: tenki.dat, tane.dat, akuse.dat, BMP pictures
# and saved games.
#   sh tools/fuzz.sh [SECONDS]      each target for SECONDS (default 25), two at a time
# Needs clang and a built game folder (build/game, or TENRALI_GAME_DIR) for the seed inputs.
# A crash, a hang (one input over 10 s), a leak or a failed check stops it; the input that did it
# is left in build-fuzz/ as <target>-crash-*, -timeout-* or -leak-*, and replays with
#   build-fuzz/tests/fuzz/fuzz_<target> build-fuzz/<target>-crash-...
set -eu
cd "$(dirname "$0")/.."
seconds=${1:-25}
game=${TENRALI_GAME_DIR:-build/game}
[ -f "$game/tenki.dat" ] || { echo "fuzz.sh: no game folder at $game (build the game first)" >&2; exit 2; }

CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTENRALI_FUZZ=ON -DTENRALI_TESTS=OFF >/dev/null
cmake --build build-fuzz --target fuzz_targets -j"$(nproc)"

# run TARGET MAX_LEN SEED...: the working corpus keeps what earlier runs found.
run() {
  name=$1 maxlen=$2
  shift 2
  corpus=build-fuzz/corpus/$name
  mkdir -p "$corpus"
  cp "$@" "$corpus/"
  build-fuzz/tests/fuzz/fuzz_"$name" -max_total_time="$seconds" -max_len="$maxlen" -timeout=10 \
    -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix=build-fuzz/"$name"- "$corpus" \
    >build-fuzz/"$name".log 2>&1
}

report() {
  name=$1 status=$2
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' build-fuzz/"$name".log)
  if [ "$status" = 0 ]; then
    echo "fuzz_$name: ${runs:-?} inputs in ${seconds} s, no fault"
  else
    echo "fuzz_$name: FAULT (status $status); the end of build-fuzz/$name.log:"
    tail -n 40 build-fuzz/"$name".log
    failed=1
  fi
}

failed=0
python3 tests/fuzz/make_bmp_seeds.py build-fuzz/seed-pictures
small_pictures=$(find "$game" -name '*.bmp' -size -16k | sort | head -n 20)
pair() {
  run "$1" "$2" $3 & first=$!
  run "$4" "$5" $6 & second=$!
  s1=0; wait $first || s1=$?
  s2=0; wait $second || s2=$?
  report "$1" $s1
  report "$4" $s2
}
pair weather_table 2048 "$game/tenki.dat" seed_table 4096 "$game/tane.dat"
pair accessory_table 4096 "$game/akuse.dat" bmp 65536 "build-fuzz/seed-pictures/*.bmp $small_pictures"
run saved_game 8192 tests/saves/*.txt && s=0 || s=$?
report saved_game $s
exit $failed
