#!/bin/sh
# A whole game won honestly: tools/honest_game.py plays it through tenrali-play from "新規開始" to
# the last caption of the staff roll with nothing set by hand, checking every step against the
# game's rules as it goes, and writes it down as a script. The script is then played again and
# must see what its "#> " lines say: the same game, move for move.
#   honest_game.sh TENRALI_PLAY OUT.play [SEED]
set -eu
PLAY=$1 OUT=$2 SEED=${3:-25}
HERE=$(cd "$(dirname "$0")" && pwd)
python3 "$HERE/../tools/honest_game.py" "$PLAY" --seed "$SEED" >"$OUT"
"$PLAY" "$OUT" >"$OUT.answers"
# Each "#> TEXT" belongs to the answer of the last command that answers.
awk -v answers="$OUT.answers" '
  /^#>/ { want = substr($0, 3); sub(/^ /, "", want); checks++
          if (index(answer, want) == 0) { printf "line %d: expected %s\n in: %s\n", NR, want, answer; bad++ }
          next }
  /^(click|clickat|state|element|visible|message)( |$)/ {
          if ((getline answer < answers) <= 0) { printf "line %d: no answer\n", NR; bad++; exit } }
  END { if (checks < 10) { print "too few checks: " checks; bad++ }
        if (bad) exit 1
        printf "honest game replayed: %d checks held\n", checks }' "$OUT"
