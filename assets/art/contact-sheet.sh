#!/bin/sh
# Renders every picture listed in pictures.tsv (or its placeholder) and lays them out
# on one sheet with their names, so the whole art of the game can be seen at a glance.
#   contact-sheet.sh OUT.png [GROUP [SCALE]]   e.g. contact-sheet.sh /tmp/sheet.png portraits
# SCALE 2 or 3 lays out the larger renderings the window draws at that scale ("" for every group).
set -eu
here=$(cd "$(dirname "$0")" && pwd)
out=$1
group=${2:-}
scale=${3:-1}
CONVERT=${CONVERT:-/usr/bin/convert}
MONTAGE=${MONTAGE:-/usr/bin/montage}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
grep -v '^#' "$here/pictures.tsv" | while IFS="$(printf '\t')" read -r name w h g desc; do
  [ -n "$name" ] || continue
  [ -z "$group" ] || [ "$g" = "$group" ] || continue
  src=$(find "$here" -name "$name.svg" -print -quit)
  if [ -n "$src" ]; then
    sh "$here/render.sh" "$src" "$work/$name.bmp" "$((w * scale))" "$((h * scale))"
  else
    sh "$here/render.sh" --placeholder "$name" "$work/$name.bmp" "$w" "$h"
  fi
  "$CONVERT" "$work/$name.bmp" -set label "$name ${w}x$h" "$work/${g}__$name.png"
  rm -f "$work/$name.bmp"
done
# One block per group, its pictures at their own size (the full-window scenes at half size),
# named underneath; the blocks stacked under their group's title.
blocks=""
for g in $(ls "$work"/*.png | sed 's#.*/##; s#__.*##' | sort -u); do
  # every cell of a block as large as its largest picture, so the names line up
  cell=$(grep -v '^#' "$here/pictures.tsv" | awk -F '\t' -v g="$g" -v s="$scale" \
    '$4 == g { if ($2 > w) w = $2; if ($3 > h) h = $3 } END { print w * s "x" h * s }')
  geometry="$cell>+8+8" tile=8
  case $g in scenes) geometry="$((300 * scale))x$((225 * scale))+8+8" tile=4 ;; buttons | items) tile=10 ;; worn | plants) tile=12 ;; esac
  count=$(ls "$work/${g}__"*.png | wc -l)
  [ "$count" -ge "$tile" ] || tile=$count
  "$MONTAGE" -font DejaVu-Sans -pointsize 11 -geometry "$geometry" -tile "${tile}x" -background '#f4efe6' \
    -title "$g" $(ls "$work/${g}__"*.png | sort) "$work/block-$g.png.tmp"
  blocks="$blocks $work/block-$g.png.tmp"
done
"$CONVERT" -background '#f4efe6' $blocks -gravity west -append +repage "$out"
echo "$out"
