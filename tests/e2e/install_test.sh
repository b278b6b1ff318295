#!/bin/sh
# `cmake --install` into a fresh prefix: the programs, the game folder, the desktop entry and
# the icon land where a desktop looks for them, and the installed game plays from any folder.
#   install_test.sh CMAKE BUILD_DIR
set -eu
CMAKE=$1 BUILD=$2
PREFIX=$(mktemp -d)
trap 'rm -rf "$PREFIX"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

"$CMAKE" --install "$BUILD" --prefix "$PREFIX" >/dev/null || fail "cmake --install failed"
for f in bin/tenrali bin/tenrali-play share/tenrali/tenki.dat share/tenrali/tane.dat share/tenrali/akuse.dat \
         share/tenrali/ivent.bmp share/tenrali/icon.bmp share/tenrali/music-title.ogg share/tenrali/effect-click.ogg \
         share/applications/tenrali.desktop \
         share/icons/hicolor/64x64/apps/tenrali.png; do
  [ -s "$PREFIX/$f" ] || fail "$f is not installed"
done
grep -qx 'Exec=tenrali' "$PREFIX/share/applications/tenrali.desktop" || fail "the desktop entry does not start tenrali"
grep -qx 'Icon=tenrali' "$PREFIX/share/applications/tenrali.desktop" || fail "the desktop entry has no icon"
grep -qx 'Name=Ｔｅｎｒａｌｉ！！' "$PREFIX/share/applications/tenrali.desktop" || fail "the desktop entry is not named"
if command -v identify >/dev/null 2>&1; then
  [ "$(identify -format '%wx%h' "$PREFIX/share/icons/hicolor/64x64/apps/tenrali.png")" = 64x64 ] ||
    fail "the icon is not 64 x 64"
fi

# From a folder without the game's files.
mkdir "$PREFIX/elsewhere"
cd "$PREFIX/elsewhere"
out=$(printf 'menu new\ntick\nclickat 300 200\nelement day\nelement kanek\n' | "$PREFIX/bin/tenrali-play" --seed 0) ||
  fail "the installed tenrali-play did not run from another folder"
echo "$out" | grep -q '"name":"day".*"caption":"1"' || fail "the installed game did not reach day 1: $out"
echo "$out" | grep -q '"name":"kanek".*"caption":"20"' || fail "the installed game did not reach day 1: $out"
# And it is the installed folder it plays from (not the build's): spoil it and it says so.
head -c 20 "$PREFIX/share/tenrali/tenki.dat" >short && mv short "$PREFIX/share/tenrali/tenki.dat"
status=0
said=$(echo 'state' | "$PREFIX/bin/tenrali-play" 2>&1 >/dev/null) || status=$?
[ "$status" = 2 ] && echo "$said" | grep -q 'tenki.dat' || fail "the installed game did not read its own data: $status $said"
echo "ok: installed under $PREFIX; the installed game plays from another folder with its own data"
