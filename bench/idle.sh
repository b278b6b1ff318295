#!/bin/sh
# CPU time and wakeups of the real game over a quiet stretch (10 s by default) on the title, in
# the opening scene (its timer ticking), on the home screen (also with the mouse resting on a
# button, then with the keyboard's focus ring shown as well), under Xvfb; then the process's peak
# memory. Reads the kernel's own counters in /proc: time on a CPU (schedstat, ns) and context
# switches (each sleep that ends is a wakeup), summed over the process's threads. Twice: with
# music and effects switched off in the settings, then with both on (the music playing on SDL's
# dummy audio device unless SDL_AUDIODRIVER names another). TENRALI_IDLE_READ_ALOUD=1 starts the
# game with read-aloud on (it then speaks every line through speech-dispatcher).
#   bench/idle.sh BUILD_DIR [SECONDS]
set -eu
BUILD=$(cd "$1" && pwd) SECONDS_QUIET=${2:-10}
export LC_ALL=C.UTF-8
if [ -z "${TENRALI_BENCH_IN_XVFB:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" env TENRALI_BENCH_IN_XVFB=1 sh "$0" "$BUILD" "$SECONDS_QUIET"
fi
until xdpyinfo >/dev/null 2>&1; do sleep 0.1; done

cd "$(mktemp -d)"
export TENRALI_SAVE_DIR="$(pwd)/saves"  # the game saves on the home screen: not into the player's folder
# Settings of its own: the player's (full screen, sound, read-aloud) stay out of the measurement.
export XDG_CONFIG_HOME="$PWD/config"
mkdir -p config/tenrali
READ_ALOUD=off
[ "${TENRALI_IDLE_READ_ALOUD:-0}" = 1 ] && READ_ALOUD=on
export SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}"

counters() {  # cpu-ns switches threads
  cpu=0 sw=0 n=0
  for t in /proc/$PID/task/*; do
    set -- $(cat "$t/schedstat")
    cpu=$((cpu + $1))
    v=$(awk '/^voluntary_ctxt_switches/{v=$2} /^nonvoluntary_ctxt_switches/{n=$2} END{print v + n}' "$t/status")
    sw=$((sw + v)); n=$((n + 1))
  done
  echo "$cpu $sw $n"
}
measure() {  # LABEL
  sleep 1  # let the last picture settle
  set -- "$1" $(counters)
  sleep "$SECONDS_QUIET"
  set -- "$@" $(counters)
  awk -v label="$1" -v c0="$2" -v s0="$3" -v c1="$5" -v s1="$6" -v threads="$7" -v secs="$SECONDS_QUIET" 'BEGIN {
    printf "%-34s %8.3f %% of a core  %6d wakeups (%.1f/s)  %d thread(s)\n", label, (c1 - c0) / (secs * 1e7), s1 - s0, (s1 - s0) / secs, threads }'
}
click() { xdotool mousemove --window "$W" "$1" "$2" click 1; }

session() {  # SOUND: on or off
  printf 'tenrali-settings 1\neffects %s\nmusic %s\nread-aloud %s\n' "$1" "$1" "$READ_ALOUD" > config/tenrali/settings
  echo "== sound $1, read-aloud $READ_ALOUD"
  "$BUILD/tenrali" &
  PID=$!
  until W=$(xdotool search --name '^Ｔｅｎｒａｌｉ$' 2>/dev/null | head -1) && [ -n "$W" ]; do sleep 0.1; done
  measure "title, idle ${SECONDS_QUIET} s"
  click 20 10; sleep 0.3; click 40 33              # "新規開始": the opening's timer runs
  measure "opening scene, ${SECONDS_QUIET} s"
  click 300 220                                    # the first click: the home screen of day 1
  measure "home screen, idle ${SECONDS_QUIET} s"
  xdotool mousemove --window "$W" 480 345          # resting on "加工": the button glows
  measure "home screen, mouse on a button"
  xdotool key --window "$W" Tab                    # the keyboard's focus ring as well
  measure "home, focus ring shown, ${SECONDS_QUIET} s"
  for b in "360 270" "440 270" "520 270" "360 320" "440 320" "520 320" "360 370" "440 370" "520 370"; do
    click $b; sleep 0.2; click 530 362; sleep 0.2   # each home command, then "no" / back where offered
  done
  awk '/VmHWM/{printf "peak resident memory (VmHWM)           %.1f MB\n", $2 / 1024}' /proc/$PID/status
  kill "$PID"; wait "$PID" || true
}
session off
session on
