#!/bin/sh
# Instruction counts, which the load on the machine cannot move (valgrind --tool=callgrind, all
# threads): the honest whole game (seed 25) in tenrali-play, and the window up to its first
# frame (everything before SDL_UpdateWindowSurface) beside the least SDL program set up the same
# way, under Xvfb.
#   bench/instructions.sh BUILD_DIR
set -eu
BUILD=$(cd "$1" && pwd)
HERE=$(cd "$(dirname "$0")" && pwd)
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" sh "$0" "$BUILD"
fi
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

count() {  # NAME VALGRIND-OPTION... PROGRAM ARG...: instructions (up to the first dump when there are several)
  name=$1
  shift
  valgrind --tool=callgrind --callgrind-out-file="$WORK/$name" "$@" >/dev/null 2>&1
  f=$WORK/$name
  [ -f "$f.1" ] && f=$f.1
  awk '/^summary:/ {print $2}' "$f"
}
millions() { awk -v n="$1" 'BEGIN {printf "%.1f M", n / 1e6}'; }

cd "$BUILD/game"
python3 "$HERE/../tools/honest_game.py" "$BUILD/tenrali-play" --seed 25 >"$WORK/honest.play" 2>/dev/null
game=$(count honest "$BUILD/tenrali-play" --seed 25 "$WORK/honest.play")
echo "the honest game (seed 25) in tenrali-play: $(millions "$game") instructions"
minimal=$(count minimal --dump-before=SDL_UpdateWindowSurface "$BUILD/bench/minimal-window")
window=$(count window --dump-before=SDL_UpdateWindowSurface "$BUILD/bench/tenrali-firstframe")
echo "up to the first frame: the least SDL window $(millions "$minimal"), the game $(millions "$window"), $(millions $((window - minimal))) beyond it"
