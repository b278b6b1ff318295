#!/bin/sh
# The headless driver's speed: a run that only starts and opens day 1 (start-up), and runs
# that end many days on top of it; the slope is the time per simulated day. Then a whole game,
# won honestly from "新規開始" to the last caption of the staff roll (written by
# tools/honest_game.py, seed 25), and its time per game.
#   bench/headless.sh BUILD_DIR [DAYS]
set -eu
BUILD=$(cd "$1" && pwd) DAYS=${2:-20000}
HERE=$(cd "$(dirname "$0")" && pwd)
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

days_script() {  # DAYS: open day 1, plant the three seeds, then end DAYS days
  printf 'menu new\ntick\nclickat 300 200\n'
  for pot in 1 2 3; do printf 'click menuk4\nclick bhutu\nclick byes\nclick ueki%s\nclick byes\n' "$pot"; done
  i=0; while [ $i -lt "$1" ]; do echo 'click menuk9'; i=$((i + 1)); done
  printf 'state\n'
}
run() {  # SCRIPT -> seconds (best of 3) and peak MB
  best="" peak=""
  for _ in 1 2 3; do
    /usr/bin/time -f '%e %M' -o "$WORK/t" "$BUILD/tenrali-play" --seed 1 "$1" >"$WORK/out"
    set -- "$1" $(cat "$WORK/t")
    best=$(awk -v a="$best" -v b="$2" 'BEGIN{print (a == "" || b < a) ? b : a}')
    peak=$3
  done
  echo "$best $peak"
}

days_script 0 >"$WORK/start.play"
days_script "$DAYS" >"$WORK/days.play"
set -- $(run "$WORK/start.play") $(run "$WORK/days.play")
grep -q "\"dayNumber\":$((DAYS + 1))," "$WORK/out" || { echo "the run did not reach day $((DAYS + 1))"; exit 1; }
awk -v s="$1" -v d="$3" -v n="$DAYS" -v m="$4" 'BEGIN {
  printf "start-up to day 1:      %7.3f s\n", s
  printf "%d days:              %7.3f s  -> %.1f us per simulated day (peak %.1f MB)\n", n, d, (d - s) * 1e6 / n, m / 1024 }'
GAME="$WORK/honest_game.play"
if python3 "$HERE/../tools/honest_game.py" "$BUILD/tenrali-play" --seed 25 >"$GAME" 2>/dev/null; then
  set -- $(run "$GAME")
  grep -q '"caption":"Produced  By  Tenrali  "' "$WORK/out" || { echo "the whole game did not reach the staff roll"; exit 1; }
  days=$(grep -o '"dayNumber":[0-9]*' "$WORK/out" | tail -1 | cut -d: -f2)
  lines=$(grep -c '^[a-z]' "$GAME")
  awk -v g="$1" -v m="$2" -v d="$days" -v c="$lines" 'BEGIN {
    printf "a whole game:           %7.3f s  (%d days, %d commands, peak %.1f MB)\n", g, d, c, m / 1024 }'
fi
