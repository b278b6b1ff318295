#!/bin/sh
# Start-up to the first frame: the game beside the least SDL program set up the same way, turn
# about, RUNS times each (30 by default). First at real-time priority, the X server too, so that
# other work on the shared cores does not decide the ratio: the figure to judge by. Then the same
# under ordinary scheduling, for comparison only. The load is written beside each session.
#   bench/startup.sh BUILD_DIR [RUNS]
# Real-time priority needs root or an rtprio limit (ulimit -r); without it only the second
# session runs.
set -eu
BUILD=$(cd "$1" && pwd) RUNS=${2:-30}
WORK=$(mktemp -d)
XPID=""
trap '[ -z "$XPID" ] || kill "$XPID" 2>/dev/null; rm -rf "$WORK"' EXIT

session() {  # LABEL [PRIORITY PREFIX...]
  label=$1
  shift
  display=:$((200 + $$ % 300))
  "$@" Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >"$WORK/xvfb.log" 2>&1 &
  XPID=$!
  until DISPLAY=$display xdpyinfo >/dev/null 2>&1; do sleep 0.1; done
  echo "== $label; load $(cut -d' ' -f1-3 /proc/loadavg)"
  DISPLAY=$display "$@" "$BUILD/bench/launch" "$RUNS" "$BUILD/bench/minimal-window" "$BUILD/bench/tenrali-firstframe"
  echo "   load after: $(cut -d' ' -f1-3 /proc/loadavg)"
  kill "$XPID"
  wait "$XPID" 2>/dev/null || true
  XPID=""
}

if chrt -f 10 true 2>/dev/null; then
  session "real-time priority (chrt -f 10 on both and on Xvfb)" chrt -f 10
else
  echo "== no real-time priority here: the ratio below cannot be judged"
fi
session "ordinary scheduling (for comparison only)" env
