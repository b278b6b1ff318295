#!/bin/sh
# The desktop entry and the software-centre listing pass their validators with nothing to say,
# a player finds the game by typing its name or what it is about, and the listing's newest
# release and screenshots are the game's own: the screenshots are what screenshots.play takes.
#   desktop_test.sh PACKAGING_BUILD_DIR APP_ID VERSION TENRALI_PLAY SCREENSHOTS_PLAY
# Exits 77 (skipped) where desktop-file-validate or appstreamcli is missing.
set -eu
DIR=$1 ID=$2 VERSION=$3 PLAY=$4 SHOTS=$5
. "$(dirname "$0")/common.sh"
need "desktop-file-utils appstream file" desktop-file-validate appstreamcli file
DESKTOP=$DIR/$ID.desktop LISTING=$DIR/$ID.metainfo.xml

said=$(desktop-file-validate "$DESKTOP" 2>&1) || fail "desktop-file-validate: $said"
[ -z "$said" ] || fail "desktop-file-validate: $said"
# Typed into a launcher: its name, and in Japanese what the game is about.
grep -qx 'Name=Tenrali' "$DESKTOP" || fail "the desktop entry is not named Tenrali"
grep -q '^Name\[ja\]=.' "$DESKTOP" || fail "the desktop entry has no Japanese name"
grep -q '^Keywords=\(.*;\)\?tenrali;' "$DESKTOP" || fail "the keywords lack tenrali"
for word in tenrali 育成 アクセサリー 天気; do
  grep -q "^Keywords\[ja\]=\(.*;\)\?$word;" "$DESKTOP" || fail "the Japanese keywords lack $word"
done
grep -qx "StartupWMClass=$ID" "$DESKTOP" || fail "the desktop entry does not name the window's class $ID"

said=$(appstreamcli validate --pedantic --no-net --explain "$LISTING" 2>&1) || fail "appstreamcli validate: $said"
[ "$said" = "✔ Validation was successful." ] || fail "appstreamcli validate --pedantic: $said"
newest=$(grep -m1 -o '<release version="[^"]*"' "$LISTING" | cut -d'"' -f2)
[ "$newest" = "$VERSION" ] || fail "the listing's newest release is $newest, the game's version $VERSION"
grep -q "<launchable type=\"desktop-id\">$ID.desktop</launchable>" "$LISTING" || fail "the listing does not launch $ID.desktop"

# The screenshots, taken from the game as the build's "screenshots" target does.
mkdir "$WORK/shots"
(cd "$WORK/shots" && "$PLAY" --seed 1 "$SHOTS" >/dev/null) || fail "screenshots.play did not play"
listed=$(grep -o '<image[^>]*>[^<]*</image>' "$LISTING" | sed 's|</image>||; s|.*/||' | sort | tr '\n' ' ')
taken=$(cd "$WORK/shots" && ls | sort | tr '\n' ' ')
[ "$listed" = "$taken" ] || fail "the listing shows $listed, screenshots.play takes $taken"
for shot in "$WORK"/shots/*; do
  file -b "$shot" | grep -q '^PNG image data, 600 x 400,' || fail "$(basename "$shot") is not a 600 x 400 picture"
done
echo "ok: $ID.desktop and $ID.metainfo.xml validate; the listing's screenshots: $taken"
