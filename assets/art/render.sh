#!/bin/sh
# Renders one picture of the game into the BMP the game loads.
#   render.sh SOURCE.svg OUT.bmp WIDTH HEIGHT
#   render.sh --placeholder NAME OUT.bmp WIDTH HEIGHT   (a plain card while a picture has no drawing yet)
set -eu
CONVERT=${CONVERT:-/usr/bin/convert}
RSVG=${RSVG:-rsvg-convert}
if [ "$1" = "--placeholder" ]; then
  name=$2 out=$3 w=$4 h=$5
  "$CONVERT" -size "${w}x${h}" xc:'#e8dcc8' -fill '#5a3a2a' -gravity center -pointsize 10 \
    -annotate 0 "$name" -compress None -type TrueColor BMP3:"$out"
  exit 0
fi
src=$1 out=$2 w=$3 h=$4
tmp="$out.tmp.png"
"$RSVG" -w "$w" -h "$h" -o "$tmp" "$src"
"$CONVERT" "$tmp" -background white -alpha remove -alpha off -compress None -type TrueColor BMP3:"$out"
rm -f "$tmp"
