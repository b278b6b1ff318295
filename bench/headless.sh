#!/bin/sh
# The headless driver's speed, at real-time priority where it may be had (so that other work on
# the shared cores does not decide the figures), the load written beside them:
# - a run that only starts and opens day 1 (start-up), and one that ends DAYS days on top of it:
#   the difference over DAYS is the time per simulated day;
# - a whole game won honestly from "新規開始" to the last caption of the staff roll (written by
#   tools/honest_game.py, seed 25), RUNS runs;
# - how much measuring of captions that game asks for (tenrali_bench's BM_WholeGame).
#   bench/headless.sh BUILD_DIR [DAYS] [RUNS]        (20000 days, 20 runs)
set -eu
BUILD=$(cd "$1" && pwd) DAYS=${2:-20000} RUNS=${3:-20}
HERE=$(cd "$(dirname "$0")" && pwd)
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
RT="chrt -f 10"
$RT true 2>/dev/null || { RT=""; echo "(no real-time priority here: ordinary scheduling)"; }
PLAY=$BUILD/tenrali-play

days_script() {  # DAYS: open day 1, plant the three seeds, then end DAYS days
  printf 'menu new\ntick\nclickat 300 200\n'
  for pot in 1 2 3; do printf 'click menuk4\nclick bhutu\nclick byes\nclick ueki%s\nclick byes\n' "$pot"; done
  i=0; while [ $i -lt "$1" ]; do echo 'click menuk9'; i=$((i + 1)); done
  printf 'state\n'
}
median_whole() {  # the "whole med" column of launch, for program N
  awk -v n="$1" 'NR == n + 1 {print $(NF - 6)}'
}

days_script 0 >"$WORK/start.play"
days_script "$DAYS" >"$WORK/days.play"
"$PLAY" --seed 1 "$WORK/days.play" | grep -q "\"dayNumber\":$((DAYS + 1))," || { echo "the run did not reach day $((DAYS + 1))"; exit 1; }
echo "load $(cut -d' ' -f1-3 /proc/loadavg)"
$RT "$BUILD/bench/launch" 5 "$PLAY --seed 1 $WORK/start.play" "$PLAY --seed 1 $WORK/days.play" >"$WORK/days"
start=$(median_whole 1 <"$WORK/days") days=$(median_whole 2 <"$WORK/days")
awk -v s="$start" -v d="$days" -v n="$DAYS" 'BEGIN {
  printf "start-up to day 1:   %7.1f ms\n", s
  printf "%d days:          %7.1f ms  -> %.1f us per simulated day\n", n, d, (d - s) * 1000 / n }'

GAME=$WORK/honest_game.play
(cd "$BUILD/game" && python3 "$HERE/../tools/honest_game.py" "$PLAY" --seed 25 >"$GAME" 2>/dev/null)
"$PLAY" --seed 25 "$GAME" | grep -q '"caption":"Produced  By  Tenrali  "' || { echo "the whole game did not reach the staff roll"; exit 1; }
echo "a whole game (seed 25, $(grep -c '^[a-z]' "$GAME") commands), $RUNS runs; load $(cut -d' ' -f1-3 /proc/loadavg)"
$RT "$BUILD/bench/launch" "$RUNS" "$PLAY --seed 25 $GAME"
if [ -x "$BUILD/bench/tenrali_bench" ]; then
  { echo "seed 25"; cat "$GAME"; } >"$WORK/seeded.play"
  TENRALI_WHOLE_GAME=$WORK/seeded.play "$BUILD/bench/tenrali_bench" --benchmark_filter=BM_WholeGame 2>/dev/null |
    grep -o 'commands=.*'
fi
