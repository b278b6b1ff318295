#!/bin/sh
# The manual pages render without a single warning, and each program's --help, --version and a
# wrong option say what its page says: the same options, the project's version, the usage and
# status 2. No display is needed for any of it.
#   manual_test.sh MAN_DIR VERSION PROGRAM...
# Exits 77 (skipped) where groff or man is missing.
set -eu
MANDIR=$1 VERSION=$2
shift 2
. "$(dirname "$0")/common.sh"
need man-db groff man
export MANWIDTH=80
options() { grep -o -- '--[a-z][a-z-]*' | sort -u | tr '\n' ' '; }

for program in "$@"; do
  name=$(basename "$program")
  page=$MANDIR/$name.6.gz
  [ -s "$page" ] || fail "no manual page $page"
  gzip -dc "$page" >"$WORK/$name.6"
  said=$(groff -ww -z -man "$WORK/$name.6" 2>&1) || fail "groff failed on $name.6: $said"
  [ -z "$said" ] || fail "groff warns about $name.6: $said"
  said=$(man --warnings -l "$page" 2>&1 >"$WORK/$name.txt") || fail "man -l failed on $name.6: $said"
  [ -z "$said" ] || fail "man warns about $name.6: $said"
  grep -q "^Tenrali $VERSION " "$WORK/$name.txt" || fail "the page $name.6 is not of version $VERSION"

  run() {  # run ARGS...: sets status, out, err
    status=0
    env -u DISPLAY -u WAYLAND_DISPLAY "$program" "$@" >"$WORK/out" 2>"$WORK/err" || status=$?
  }
  run --help
  [ "$status" = 0 ] && [ ! -s "$WORK/err" ] || fail "$name --help: status $status, $(cat "$WORK/err")"
  head -1 "$WORK/out" | grep -q "^usage: $name " || fail "$name --help does not begin with its usage"
  grep -q "$name(6)" "$WORK/out" || fail "$name --help does not point to its manual page"
  in_help=$(options <"$WORK/out")
  in_page=$(sed -n '/^\.SH OPTIONS/,/^\.SH /p' "$WORK/$name.6" | sed 's/\\-/-/g' | options)
  [ "$in_help" = "$in_page" ] || fail "$name --help lists $in_help, its page $in_page"

  run --version
  [ "$status" = 0 ] && [ "$(cat "$WORK/out")" = "$name $VERSION" ] || fail "$name --version: status $status, $(cat "$WORK/out")"

  run --no-such-option
  [ "$status" = 2 ] && [ ! -s "$WORK/out" ] || fail "$name --no-such-option: status $status"
  grep -q "^usage: $name " "$WORK/err" || fail "$name --no-such-option did not print the usage: $(cat "$WORK/err")"
  echo "ok: $name(6) renders without warnings; --help lists its options ($in_help), --version says $VERSION"
done
