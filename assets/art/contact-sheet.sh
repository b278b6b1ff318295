#!/bin/sh
# Renders every picture listed in pictures.tsv (or its placeholder) and lays them out
# on one sheet with their names, so the whole art of the game can be seen at a glance.
#   contact-sheet.sh OUT.png [GROUP]      e.g. contact-sheet.sh /tmp/sheet.png portraits
set -eu
here=$(cd "$(dirname "$0")" && pwd)
out=$1
group=${2:-}
CONVERT=${CONVERT:-/usr/bin/convert}
MONTAGE=${MONTAGE:-/usr/bin/montage}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
grep -v '^#' "$here/pictures.tsv" | while IFS="$(printf '\t')" read -r name w h g desc; do
  [ -n "$name" ] || continue
  [ -z "$group" ] || [ "$g" = "$group" ] || continue
  src=$(find "$here" -name "$name.svg" -print -quit)
  if [ -n "$src" ]; then
    sh "$here/render.sh" "$src" "$work/$name.bmp" "$w" "$h"
  else
    sh "$here/render.sh" --placeholder "$name" "$work/$name.bmp" "$w" "$h"
  fi
  "$CONVERT" "$work/$name.bmp" -set label "$name ${w}x$h" "$work/${g}__$name.png"
  rm -f "$work/$name.bmp"
done
"$MONTAGE" -font DejaVu-Sans -pointsize 11 -geometry '+6+6' -background '#f4efe6' \
  $(ls "$work"/*.png | sort) "$out"
echo "$out"
