#!/bin/sh
# The real game in a real X server (Xvfb): the window, its menu, the opening and the home
# screen, compared pixel for pixel with what tenrali-play draws for the same moments; the same
# at twice the size (drawn from the larger renderings of the pictures, with the text set at twice
# its size, so compared with the title's own larger rendering and, brought back to its own size,
# closely with tenrali-play); a broken data file, and signals while its message box is up, on a
# server with and without core fonts; a large icon; no display at all.
#   window_e2e.sh TENRALI TENRALI_PLAY GAME_FOLDER APP_ID
# Exits 77 (skipped) when Xvfb or the X tools are missing.
set -eu
TENRALI=$1 PLAY=$2 GAME=$3 ID=$4
# The X tools print and match window names in the locale's encoding; ours are full-width.
export LC_ALL=C.UTF-8
# Sound on, as a player has it, through SDL's dummy device (CI has no sound card), with settings
# of the test's own.
export SDL_AUDIODRIVER=dummy

for tool in xvfb-run xdpyinfo xdotool xwininfo xprop import convert compare; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "SKIP: $tool is not installed (Debian: xvfb xauth x11-utils xdotool imagemagick)"
    exit 77
  fi
done

if [ -z "${TENRALI_E2E_PART:-}" ]; then
  # Without any display the game says so in one line and fails; it never runs invisibly.
  status=0
  said=$(env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER "$TENRALI" 2>&1 >/dev/null) || status=$?
  if [ "$status" = 0 ] || [ "$(echo "$said" | wc -l)" != 1 ] || ! echo "$said" | grep -q '^tenrali: no display'; then
    echo "FAIL: without a display: status $status, said:"; echo "$said"; exit 1
  fi
  echo "ok: no display -> status $status, $said"
  # Each part in an X server of its own, whose own words are kept for a failure to show.
  XLOG=$(mktemp); export XLOG
  trap 'rm -f "$XLOG"' EXIT
  in_server() {
    screen=$1 name=$2; shift 2
    # -noreset: a server left by its last client starts over, and drops whoever connects meanwhile.
    xvfb-run -a -e "$XLOG" -s "-screen 0 $screen -noreset" env TENRALI_E2E_PART="$name" "$@"
  }
  # A common screen, then a large one on which the game doubles its picture by itself.
  in_server 1024x768x24 common sh "$0" "$@"
  # SDL draws its message box with the X server's core fonts: a server without them gets the game's own box.
  in_server "1024x768x24 -fp built-ins" nofonts sh "$0" "$@"
  in_server 1024x768x24 keys sh "$0" "$@"
  in_server 3840x2160x24 large sh "$0" "$@"
  exit 0
fi

WORK=$(mktemp -d)
export XDG_CONFIG_HOME="$WORK/config"
# The game saves whenever its home screen waits: into this run's own folder, never the player's.
export TENRALI_SAVE_DIR="$WORK/saves"
PID=""
cleanup() {
  if [ -n "$PID" ] && kill -0 "$PID" 2>/dev/null; then kill "$PID"; fi
  rm -rf "$WORK"
}
trap cleanup EXIT
cd "$WORK"
fail() {
  echo "FAIL: $*" >&2
  # What the machine looked like: is the X server still there, and what did it say?
  echo "--- the X server ($DISPLAY) said:" >&2; tail -n 20 "$XLOG" >&2
  xdpyinfo >/dev/null 2>&1 && echo "--- it still answers" >&2 || echo "--- it no longer answers" >&2
  ps -eo pid,ppid,stat,rss,etime,args | grep -E '[X]vfb|[t]enrali' >&2
  free -m >&2
  exit 1
}
# The player's own settings (full screen, a scale) stay out of the test.
export XDG_CONFIG_HOME="$WORK/config"

i=0
until xdpyinfo >/dev/null 2>&1; do
  i=$((i + 1)); [ $i -lt 300 ] || fail "the X server did not come up"; sleep 0.1
done

# What tenrali-play draws for the same moments. The weather of day 1 comes from the clock in the
# window, so the weather corner (picture, name and day) is masked out of the home screen.
mask() { convert "$1" -fill black -draw "rectangle 455,0 599,162" "$2"; }
cat >expected.play <<PLAY
screenshot $WORK/title.png
menu new
tick
screenshot $WORK/opening1.png
tick 35
screenshot $WORK/opening2.png
tick 30
screenshot $WORK/opening3.png
clickat 300 200
screenshot $WORK/home-full.png
PLAY
(cd "$GAME" && "$PLAY" --seed 0 "$WORK/expected.play" >/dev/null) || fail "tenrali-play could not draw the expected pictures"
mask home-full.png home.png

same() { [ "$(compare -metric AE "$1" "$2" null: 2>&1 || true)" = 0 ]; }
# close A B: the same picture drawn at another size and brought back to this one (a root mean
# square difference of a few percent, at the edges of letters and lines; another screen differs by
# tens of percent).
close() {
  rmse=$(compare -metric RMSE "$1" "$2" null: 2>&1 | sed 's/.*(\(.*\)).*/\1/' || true)
  awk -v e="$rmse" 'BEGIN { exit !(e != "" && e + 0 < 0.12) }'
}

# shot WID SCALE OUT: the window's client area, brought back to 600 x 400.
shot() {
  import -window "$1" raw.png 2>/dev/null || return 1
  if [ "$2" = 1 ]; then cp raw.png window.png; else convert raw.png -filter box -resize "$((100 / $2))%" window.png; fi
  convert window.png -crop 600x400+0+20 +repage "$3"
}
# wait_for WID SCALE EXPECTED [masked]: until the client area shows EXPECTED (30 s at most).
# EXPECTED "opening" is any of the opening's first three steps (a slow machine may be late).
wait_for() {
  n=0
  while :; do
    if shot "$1" "$2" now.png; then
      [ "${4:-}" = masked ] && mask now.png now.png
      alike=same
      [ "$2" = 1 ] || alike=close
      if [ "$3" = opening ]; then
        for k in 1 2 3; do $alike now.png opening$k.png && return 0; done
      else
        $alike now.png "$3" && return 0
      fi
    fi
    n=$((n + 1)); [ $n -lt 100 ] || { cp now.png "/tmp/tenrali-e2e-last.png"; fail "waited for $3, the window shows /tmp/tenrali-e2e-last.png"; }
    sleep 0.3
  done
}
click() { xdotool mousemove --window "$1" "$2" "$3" click 1; }
find_game_window() {
  n=0
  until W=$(xdotool search --name '^Ｔｅｎｒａｌｉ$' 2>/dev/null | head -1) && [ -n "$W" ]; do
    n=$((n + 1)); [ $n -lt 300 ] || fail "no window captioned Ｔｅｎｒａｌｉ"
    kill -0 "$PID" 2>/dev/null || fail "the game ended before its window showed"
    sleep 0.1
  done
  echo "$W"
}
wait_exit() {  # sets status
  n=0
  while kill -0 "$PID" 2>/dev/null; do
    n=$((n + 1)); [ $n -lt 300 ] || fail "the game did not end"; sleep 0.1
  done
  status=0; wait "$PID" || status=$?; PID=""
}

# A broken data file: a message box (SDL's, or the game's own), no window, status 1, one line.
broken_data_file() {
  mkdir broken
  cp "$GAME"/*.dat broken/
  head -c 30 "$GAME/tenki.dat" >broken/tenki.dat
  (cd broken && exec "$TENRALI") 2>broken.err &
  PID=$!
  n=0
  BOX=""
  while [ -z "$BOX" ]; do
    # SDL names its message box in a way xdotool cannot read; xwininfo can.
    BOX=$(xwininfo -root -tree | awk '/"Ｔｅｎｒａｌｉ！！"/ {print $1; exit}')
    n=$((n + 1)); [ $n -lt 300 ] || fail "no message box for a broken tenki.dat"
    kill -0 "$PID" 2>/dev/null || break
    [ -n "$BOX" ] || sleep 0.1
  done
  [ -n "$BOX" ] || { cat broken.err; fail "the game ended without a message box"; }
  [ -z "$(xdotool search --name '^Ｔｅｎｒａｌｉ$' 2>/dev/null)" ] || fail "the game window showed despite the broken data"
  xdotool key --window "$BOX" Return 2>/dev/null
  wait_exit
  [ "$status" = 1 ] || fail "a broken tenki.dat ended the game with status $status"
  [ "$(grep -c '^tenrali: ' broken.err)" = 1 ] && grep -q 'tenki.dat' broken.err || { cat broken.err; fail "expected one line naming tenki.dat"; }
  echo "ok${1:+ ($1)}: a broken tenki.dat: a message box, no window, status 1, $(grep '^tenrali: ' broken.err)"
}

# --- An X server without its core fonts --------------------------------------------------------
if [ "$TENRALI_E2E_PART" = nofonts ]; then
  broken_data_file "no core fonts"
  exit 0
fi

# --- The first day with keys only ----------------------------------------------------------------
if [ "$TENRALI_E2E_PART" = keys ]; then
# The same keys in tenrali-play: the pictures the window must show, focus ring included. The
# weather corner and the first pot (which may sprout overnight) depend on the window's clock.
cat >keys.play <<PLAY
menu new
tick
key Return
key 2
key Tab
key Return
key y
key Return
key Return
screenshot $WORK/planted-full.png
key 9
screenshot $WORK/day2-full.png
PLAY
(cd "$GAME" && "$PLAY" --seed 0 "$WORK/keys.play" >/dev/null) || fail "tenrali-play could not play the keys"
mask planted-full.png planted.png
convert day2-full.png -fill black -draw "rectangle 455,0 599,162" -draw "rectangle 60,94 172,206" day2.png
"$TENRALI" 2>game.err &
PID=$!
W=$(find_game_window)
xdotool mousemove --window "$W" 700 500            # the mouse off the window: no button glows
wait_for "$W" 1 title.png
key() { xdotool key --window "$W" "$@"; sleep 0.3; }
key F10 Return                                     # "ゲーム" → "新規開始"
wait_for "$W" 1 opening
key Return                                         # the opening ends
wait_for "$W" 1 home.png masked
key 2 Tab Return y Return Return                   # "種植え", the seed, はい, the first pot, はい
wait_for "$W" 1 planted.png masked
key 9                                              # "一日終了"
n=0
until shot "$W" 1 now.png && convert now.png -fill black -draw "rectangle 455,0 599,162" -draw "rectangle 60,94 172,206" now.png && same now.png day2.png; do
  n=$((n + 1)); [ $n -lt 100 ] || { cp now.png /tmp/tenrali-e2e-last.png; fail "day 2 did not come, the window shows /tmp/tenrali-e2e-last.png"; }
  sleep 0.3
done
key Escape F10 Down Down                           # "終了", from the keyboard
xdotool key --window "$W" Return 2>/dev/null || true   # the window may be gone before the key comes up
wait_exit
[ "$status" = 0 ] || fail "\"終了\" from the keyboard ended the game with status $status"
[ ! -s game.err ] || { cat game.err; fail "the game wrote to standard error"; }
echo "ok: the first day played with keys only, the focus ring where tenrali-play draws it"
exit 0
fi

# --- Twice the size, on a large screen -----------------------------------------------------------
if [ "$TENRALI_E2E_PART" = large ]; then
"$TENRALI" 2>game2.err &
PID=$!
W=$(find_game_window)
size=$(xwininfo -id "$W" | awk '/Width/{w=$NF} /Height/{h=$NF} END{print w "x" h}')
[ "$size" = "1200x840" ] || fail "a 3840 x 2160 screen gave a window of $size, not twice 600 x 420"
wait_for "$W" 2 title.png
convert raw.png -crop 1200x800+0+40 +repage title2.png
convert "$GAME/ivent@2x.png" -crop 1200x800+0+0 +repage title2-drawn.png
same title2.png title2-drawn.png || fail "at twice the size the title is not its own larger rendering"
click "$W" 40 20
sleep 0.5
click "$W" 80 66
wait_for "$W" 2 opening
click "$W" 600 440
wait_for "$W" 2 home.png masked
click "$W" 40 20
sleep 0.5
click "$W" 80 174
wait_exit
[ "$status" = 0 ] || fail "at twice the size \"終了\" ended the game with status $status"
echo "ok: at twice the size the pictures are their larger renderings and clicks land where they do at its own size"
exit 0
fi

# --- The game at its own size, and a broken data file --------------------------------------------------------------
"$TENRALI" 2>game.err &
PID=$!
W=$(find_game_window)
geometry=$(xwininfo -id "$W" | awk '/Absolute upper-left X/{x=$NF} /Absolute upper-left Y/{y=$NF} /Width/{w=$NF} /Height/{h=$NF} END{print x "," y " " w "x" h}')
[ "$geometry" = "98,80 600x420" ] || fail "window at $geometry, expected 98,80 600x420 (menu bar 20 + client 400)"
# Docks group the window under the desktop entry named by its class.
class=$(xprop -id "$W" WM_CLASS)
[ "$class" = "WM_CLASS(STRING) = \"$ID\", \"$ID\"" ] || fail "the window's class is not the desktop entry's $ID: $class"
wait_for "$W" 1 title.png
cp window.png title-window.png
echo "ok: the title, as tenrali-play draws it, under a menu bar"

# A second start while the window is open: a box saying so, no second window, status 1.
FIRST=$PID
"$TENRALI" 2>second.err &
PID=$!
n=0
until BOX=$(xwininfo -root -tree | awk '/"Ｔｅｎｒａｌｉ！！"/ {print $1; exit}') && [ -n "$BOX" ]; do
  n=$((n + 1)); [ $n -lt 300 ] || fail "no message box for a second start"
  kill -0 "$PID" 2>/dev/null || { cat second.err; fail "a second start ended without a message box"; }
  sleep 0.1
done
[ "$(xdotool search --name '^Ｔｅｎｒａｌｉ$' | wc -l)" = 1 ] || fail "a second start showed a second window"
xdotool key --window "$BOX" Return 2>/dev/null
wait_exit
[ "$status" = 1 ] && grep -q '^tenrali: the game is already open in another window' second.err ||
  { cat second.err; fail "a second start: status $status"; }
PID=$FIRST
echo "ok: a second start while the window is open says so in a box and ends with status 1"

click "$W" 20 10                                   # "ゲーム"
n=0
until shot "$W" 1 x.png && ! same window.png title-window.png; do
  n=$((n + 1)); [ $n -lt 100 ] || fail "\"ゲーム\" opened no drop-down"; sleep 0.3
done
convert window.png -crop 124x64+0+18 +repage menu-open.png
click "$W" 40 33                                   # "新規開始"
wait_for "$W" 1 opening
echo "ok: \"新規開始\" started the opening: its first step is on screen"

click "$W" 20 10                                   # "新規開始" is greyed now
n=0
until shot "$W" 1 x.png && convert window.png -crop 124x64+0+18 +repage menu-again.png && ! same menu-open.png menu-again.png; do
  n=$((n + 1)); [ $n -lt 100 ] || fail "the drop-down looks as before \"新規開始\""; sleep 0.3
done
click "$W" 300 300                                 # a press elsewhere only closes the menu
n=0
until shot "$W" 1 x.png && convert window.png -crop 600x20+0+0 +repage bar.png &&
      convert title-window.png -crop 600x20+0+0 +repage closed-bar.png && same bar.png closed-bar.png; do
  n=$((n + 1)); [ $n -lt 100 ] || fail "a click elsewhere did not close the menu"; sleep 0.3
done
sleep 1
shot "$W" 1 x.png && mask x.png x.png
! same x.png home.png || fail "the click that closed the menu reached the game and ended the opening"
echo "ok: the menu shows the entry greyed; a click elsewhere closed it and went no further"

click "$W" 300 220                                 # the first click ends the opening
wait_for "$W" 1 home.png masked
echo "ok: a click ended the opening; the home screen of day 1 is as tenrali-play draws it"

# A few days, then the window is gone at once (killed: nothing runs on the way out).
for day in 2 3 4; do
  click "$W" 560 395                               # "一日終了"
  n=0
  until grep -qx "dayNumber $day" "$TENRALI_SAVE_DIR/saved-game.txt" 2>/dev/null; do
    n=$((n + 1)); [ $n -lt 100 ] || fail "day $day was not saved"; sleep 0.1
  done
done
# The mouse off the buttons: the glow under it is the window's, not the game's.
xdotool mousemove --window "$W" 300 60
sleep 0.5
shot "$W" 1 day4.png
kill -KILL "$PID"; wait "$PID" 2>/dev/null || true; PID=""
echo "ok: three days played and each saved on its home screen; the window killed"

"$TENRALI" 2>game.err &
PID=$!
W=$(find_game_window)
wait_for "$W" 1 title.png
click "$W" 20 10
sleep 0.5
click "$W" 40 55                                   # "続きから"
wait_for "$W" 1 day4.png
echo "ok: started again, \"続きから\" shows day 4's home screen exactly as it was left"

click "$W" 20 10
sleep 0.5
click "$W" 40 87                                   # "終了"
wait_exit
[ "$status" = 0 ] || { cat game.err; fail "\"終了\" ended the game with status $status"; }
[ ! -s game.err ] || { echo "the game said:"; cat game.err; fail "the game wrote to standard error"; }
echo "ok: \"終了\" ended the game with status 0"

# --- A factor asked for that does not fit the screen ---------------------------------------------------
TENRALI_SCALE=2 "$TENRALI" 2>scale.err &
PID=$!
W=$(find_game_window)
size=$(xwininfo -id "$W" | awk '/Width/{w=$NF} /Height/{h=$NF} END{print w "x" h}')
[ "$size" = "600x420" ] || fail "TENRALI_SCALE=2 on a 1024 x 768 screen gave a window of $size"
[ "$(wc -l <scale.err)" = 1 ] && grep -q 'TENRALI_SCALE=2 .* drawn at 1 instead' scale.err ||
  { cat scale.err; fail "no one line saying TENRALI_SCALE=2 does not fit"; }
click "$W" 20 10
sleep 0.5
click "$W" 40 87                                   # "終了"
wait_exit
echo "ok: TENRALI_SCALE=2 on a small screen fell back to 1 and said so in one line: $(cat scale.err)"

# --- A broken data file ----------------------------------------------------------------------
broken_data_file
# --- A signal ends the game while its message box is up, and the box goes with it ------------------------------
# (the game draws its box itself; SDL's box, its fallback, is a child process, which left behind would stay on
# the screen, orphaned)
mkdir folder-data
cp "$GAME"/*.dat folder-data/
rm folder-data/tane.dat && mkdir folder-data/tane.dat
box_shown() { xwininfo -root -tree | grep -q '"Ｔｅｎｒａｌｉ！！"'; }
for sig in TERM HUP KILL; do
  (cd folder-data && exec "$TENRALI") 2>folder-data.err &
  PID=$!
  n=0
  until box_shown; do
    n=$((n + 1)); [ $n -lt 300 ] || { cat folder-data.err; fail "no message box for tane.dat as a folder (SIG$sig next)"; }
    kill -0 "$PID" 2>/dev/null || { cat folder-data.err; fail "the game ended before its box for tane.dat as a folder showed"; }
    sleep 0.1
  done
  kill -"$sig" "$PID"
  wait_exit
  n=0
  while box_shown; do
    n=$((n + 1)); [ $n -lt 50 ] || fail "after SIG$sig the game ended and its box stayed on the screen"; sleep 0.1
  done
done
echo "ok: TERM, HUP and KILL each end the game and its message box"

# --- A large icon -------------------------------------------------------------------------------------------------
# Handed as it is to the window manager, a 2048 x 2048 icon made X11 end the game within a second.
mkdir big-icon
for f in "$GAME"/*; do ln -s "$f" big-icon/; done
rm big-icon/icon.bmp
convert -size 2048x2048 pattern:checkerboard -monochrome BMP3:big-icon/icon.bmp
(cd big-icon && exec "$TENRALI") 2>big-icon.err &
PID=$!
W=$(find_game_window)
wait_for "$W" 1 title.png
sleep 1
kill -0 "$PID" 2>/dev/null || { cat big-icon.err; fail "the game ended with a 2048 x 2048 icon"; }
click "$W" 20 10
sleep 0.5
click "$W" 40 87                                   # "終了"
wait_exit
[ "$status" = 0 ] && [ ! -s big-icon.err ] || { cat big-icon.err; fail "with a large icon: status $status"; }
echo "ok: a 2048 x 2048 icon: the game shows its title and ends with status 0"
