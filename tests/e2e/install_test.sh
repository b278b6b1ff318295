#!/bin/sh
# `cmake --install` into a fresh prefix: the programs, the game folder, the desktop entry, the
# listing, the icons and the manual pages land where a desktop looks for them, and the installed
# game plays from any folder.
#   install_test.sh CMAKE BUILD_DIR APP_ID
set -eu
CMAKE=$1 BUILD=$2 ID=$3
. "$(dirname "$0")/common.sh"
PREFIX=$WORK/prefix

"$CMAKE" --install "$BUILD" --prefix "$PREFIX" >/dev/null || fail "cmake --install failed"
for f in bin/tenrali bin/tenrali-play share/tenrali/tenki.dat share/tenrali/tane.dat share/tenrali/akuse.dat \
         share/tenrali/ivent.bmp share/tenrali/icon.bmp share/tenrali/music-title.ogg share/tenrali/effect-click.ogg \
         share/applications/$ID.desktop \
         share/metainfo/$ID.metainfo.xml share/icons/hicolor/scalable/apps/$ID.svg \
         share/man/man6/tenrali.6.gz share/man/man6/tenrali-play.6.gz; do
  [ -s "$PREFIX/$f" ] || fail "$f is not installed"
done
# The icon in each size a launcher asks for: its corners clear, its middle solid.
for size in 48 64 128 256; do
  png=$PREFIX/share/icons/hicolor/${size}x$size/apps/$ID.png
  file -b "$png" | grep -q "^PNG image data, $size x $size, 8-bit/color RGBA" || fail "no $size x $size icon with transparency"
  alpha=$(convert "$png" -alpha extract -format '%[fx:p{0,0}] %[fx:p{w-1,h-1}] %[fx:p{w/2,h/2}]' info:)
  [ "$alpha" = "0 0 1" ] || fail "the $size x $size icon's corners and middle have opacity $alpha, not 0 0 1"
done
grep -qx 'Exec=tenrali' "$PREFIX/share/applications/$ID.desktop" || fail "the desktop entry does not start tenrali"
grep -qx "Icon=$ID" "$PREFIX/share/applications/$ID.desktop" || fail "the desktop entry does not name the icon"

check_installed_game "$PREFIX"
echo "ok: installed under $PREFIX; the installed game plays from another folder with its own data"
