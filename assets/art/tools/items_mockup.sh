#!/bin/sh
# Lays the frames, pots, buttons and icons out as the home screens place them, so the
# pictures can be judged together at 1:1 (the game draws its own texts; a few stand-ins are drawn here).
#   items_mockup.sh OUTDIR      writes OUTDIR/home.png, OUTDIR/seeds.png, OUTDIR/dress.png, OUTDIR/dialog.png
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
out=$1
mkdir -p "$out"
w=$(mktemp -d)
trap 'rm -rf "$w"' EXIT
r() { # name -> $w/name.png at its listed size
  line=$(grep -P "^$1\t" "$here/pictures.tsv")
  wd=$(echo "$line" | cut -f2); ht=$(echo "$line" | cut -f3)
  src=$(find "$here" -name "$1.svg" -print -quit)
  rsvg-convert -w "$wd" -h "$ht" -o "$w/$1.png" "$src"
}
for n in mainw subw1 subw2 ueki hutu1 hare2 niji3 kami3 ame3 yuki2 har ten nij yes no ok tudu \
         menuk1 menuk2 menuk3 menuk4 menuk5 menuk6 menuk7 menuk8 menuk9 bak bab ban bay \
         bthutu bthare btkumo btame btkami btyuki btten bthyou btniji \
         ahutu ahare akumo aame akami ayuki aten ahyou aniji wak2 wab3 wan4 way6 usam1; do
  if find "$here" -name "$n.svg" | grep -q .; then r "$n"; fi
done
F=IPAPGothic
base() { # base window: mainw, subw1 (with weather $1), subw2
  convert -size 600x400 xc:black \
    "$w/mainw.png" -geometry +0+0 -composite \
    "$w/subw1.png" -geometry +450+0 -composite \
    "$w/$1.png" -geometry +477+8 -composite \
    -font $F -pointsize 14 -fill blue -annotate +488+126 '本日の天気' \
    -fill '#c8c8c8' -draw 'rectangle 460,129 590,159' \
    -fill fuchsia -annotate +462+178 '所持金' -fill black -annotate +540+178 '1200' \
    -fill green -annotate +462+200 '日付' -fill black -annotate +540+200 '12' \
    -fill red -annotate +462+222 '残り' -fill black -annotate +540+222 '30' \
    "$w/subw2.png" -geometry +0+250 -composite "$w/base.png"
}
# home: three pots, the menu panel
base har; convert "$w/base.png" \
  "$w/hutu1.png" -geometry +66+100 -composite "$w/hare2.png" -geometry +180+100 -composite \
  "$w/niji3.png" -geometry +294+100 -composite \
  -font $F -pointsize 24 -fill white -annotate +110+276 'よーし、今日もがんばるぞ！' \
  $(i=0; for n in 1 2 3 4 5 6 7 8 9; do x=$((360 + (i % 3) * 80)); y=$((250 + (i / 3) * 50)); \
      printf '%s -geometry +%d+%d -composite ' "$w/menuk$n.png" $x $y; i=$((i+1)); done) \
  "$out/home.png"
# seeds: the nine seed buttons with counts
base ten; convert "$w/base.png" \
  $(i=0; for k in hutu hare kumo ame kami yuki ten hyou niji; do x=$((64 + (i % 3) * 112)); y=$((56 + (i / 3) * 64)); \
      printf '%s -geometry +%d+%d -composite ' "$w/bt$k.png" $x $y; i=$((i+1)); done) \
  -font DejaVu-Sans-Oblique -pointsize 12 -fill black \
  $(i=0; for k in 1 2 3 4 5 6 7 8 9; do x=$((64 + 60 + (i % 3) * 112)); y=$((56 + 35 + 10 + (i / 3) * 64)); \
      printf -- '-annotate +%d+%d x%d ' $x $y $k; i=$((i+1)); done) \
  "$out/seeds.png"
# dress-up: kind buttons, icons, worn pictures
base nij; convert "$w/base.png" \
  "$w/bak.png" -geometry +16+50 -composite "$w/bab.png" -geometry +16+100 -composite \
  "$w/ban.png" -geometry +16+150 -composite "$w/bay.png" -geometry +16+200 -composite \
  $(i=0; for k in hutu hare kumo ame kami; do printf '%s -geometry +%d+50 -composite ' "$w/a$k.png" $((112 + 56 * i)); i=$((i+1)); done) \
  $(i=0; for k in yuki ten hyou niji; do printf '%s -geometry +%d+100 -composite ' "$w/a$k.png" $((112 + 56 * i)); i=$((i+1)); done) \
  "$out/dress.png"
convert -size 600x400 xc:black "$w/mainw.png" -geometry +0+0 -composite \
  "$w/wak2.png" -geometry +120+32 -composite "$w/wab3.png" -geometry +120+88 -composite \
  "$w/wan4.png" -geometry +120+144 -composite "$w/way6.png" -geometry +120+200 -composite \
  -font $F -pointsize 16 -fill black -annotate +176+62 '晴れのかみかざり' -annotate +176+118 '雷のブレスレット' \
  -annotate +176+174 '天気雨のネックレス' -annotate +176+230 '虹の指輪' \
  "$w/subw2.png" -geometry +0+250 -composite \
  "$w/yes.png" -geometry +384+288 -composite "$w/no.png" -geometry +488+288 -composite \
  "$w/ok.png" -geometry +384+336 -composite "$w/tudu.png" -geometry +490+336 -composite \
  -font $F -pointsize 24 -fill white -annotate +110+276 'これでいいかな？' \
  "$out/dialog.png"
echo "$out"
