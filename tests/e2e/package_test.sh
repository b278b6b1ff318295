#!/bin/sh
# The Debian package a player installs: made by `cpack -G DEB`, with the name, version, section,
# dependencies and description a package manager shows, only files under /usr where a desktop
# looks for them, and the game unpacked from it (dpkg -x) playing from another folder with its
# own data.
#   package_test.sh CPACK BUILD_DIR VERSION APP_ID
# Exits 77 (skipped) where dpkg-deb, dpkg-shlibdeps or file are missing.
set -eu
CPACK=$1 BUILD=$2 VERSION=$3 ID=$4
. "$(dirname "$0")/common.sh"
need "dpkg-dev file" dpkg-deb dpkg-shlibdeps file

"$CPACK" -G DEB --config "$BUILD/CPackConfig.cmake" -B "$WORK/out" >"$WORK/cpack.log" 2>&1 ||
  { cat "$WORK/cpack.log"; fail "cpack -G DEB failed"; }
set -- "$WORK"/out/tenrali_*.deb
[ $# = 1 ] && [ -f "$1" ] || fail "cpack made no tenrali_*.deb: $(ls "$WORK/out")"
DEB=$1
[ "$(basename "$DEB")" = "tenrali_${VERSION}_$(dpkg --print-architecture).deb" ] || fail "the package is named $(basename "$DEB")"

# What a package manager shows.
field() { dpkg-deb -f "$DEB" "$1"; }
[ "$(field Package)" = tenrali ] || fail "the package is called $(field Package)"
[ "$(field Version)" = "$VERSION" ] || fail "the package has version $(field Version), not $VERSION"
[ "$(field Section)" = games ] || fail "the package is in section $(field Section)"
field Description | grep -q '天気の実を育てます' || fail "the description has no Japanese: $(field Description)"
depends=$(field Depends)
for package in libc6 libstdc++6 libsdl2-2.0-0 libsdl2-ttf-2.0-0 libsdl2-mixer-2.0-0 libfontconfig1 \
               fonts-ipafont-gothic fonts-ipafont-mincho fonts-urw-base35; do
  echo "$depends" | tr ',|' '\n\n' | grep -q "^ *$package\( \|$\)" || fail "the package does not depend on $package: $depends"
done
# Read-aloud's service, which the game opens only when asked to read.
echo "$(field Recommends)" | grep -q 'speech-dispatcher' || fail "the package does not recommend speech-dispatcher"
# Every dependency is met on this machine, where the game runs: a misspelt name would not be.
echo "$depends" | tr ',' '\n' | while IFS= read -r group; do
  met=no
  for alternative in $(echo "$group" | tr -d ' ' | tr '|' ' '); do
    name=${alternative%%(*}
    have=$(dpkg-query -W -f '${Status}|${Version}' "$name" 2>/dev/null) || continue
    case $have in "install ok installed|"*) ;; *) continue ;; esac
    case $alternative in
      *"("*) want=${alternative#*(}; want=${want%)}
             op=$(echo "$want" | sed 's/[0-9].*//'); version=${want#"$op"}
             case $op in '>=') op=ge ;; '<=') op=le ;; '>>') op=gt ;; '<<') op=lt ;; *) op=eq ;; esac
             dpkg --compare-versions "${have#*|}" "$op" "$version" || continue ;;
    esac
    met=yes
    break
  done
  [ "$met" = yes ] || fail "the dependency \"$group\" is not met here"
done

# Only files under /usr, each where it belongs.
dpkg-deb --fsys-tarfile "$DEB" | tar -t | grep -v '/$' | sed 's|^\./||' | sort >"$WORK/files"
unexpected=$(grep -v -e '^usr/bin/tenrali$' -e '^usr/bin/tenrali-play$' -e '^usr/share/tenrali/[^/]*$' \
  -e "^usr/share/applications/$ID\.desktop$" -e "^usr/share/metainfo/$ID\.metainfo\.xml$" \
  -e "^usr/share/icons/hicolor/[0-9]*x[0-9]*/apps/$ID\.png$" -e "^usr/share/icons/hicolor/scalable/apps/$ID\.svg$" \
  -e '^usr/share/man/man6/tenrali\(-play\)\?\.6\.gz$' "$WORK/files" || true)
[ -z "$unexpected" ] || fail "the package holds files it should not: $unexpected"
for f in usr/bin/tenrali usr/bin/tenrali-play usr/share/tenrali/tenki.dat usr/share/tenrali/ivent.bmp \
         usr/share/applications/$ID.desktop usr/share/metainfo/$ID.metainfo.xml \
         usr/share/icons/hicolor/scalable/apps/$ID.svg usr/share/man/man6/tenrali.6.gz usr/share/man/man6/tenrali-play.6.gz; do
  grep -qx "$f" "$WORK/files" || fail "the package lacks $f"
done
for size in 48 64 128 256; do
  grep -qx "usr/share/icons/hicolor/${size}x$size/apps/$ID.png" "$WORK/files" || fail "the package has no $size x $size icon"
done

# Unpacked into a throw-away root: stripped programs that tell their version and play the game.
ROOT=$WORK/root
dpkg-deb -x "$DEB" "$ROOT"
for p in tenrali tenrali-play; do
  file -b "$ROOT/usr/bin/$p" | grep -q ', stripped' || fail "$p is not stripped"
  [ "$("$ROOT/usr/bin/$p" --version)" = "$p $VERSION" ] || fail "the packaged $p says $("$ROOT/usr/bin/$p" --version)"
done
check_installed_game "$ROOT/usr"
echo "ok: $(basename "$DEB"), $(du -k "$DEB" | cut -f1) KiB, installed $(field Installed-Size) KiB"
echo "ok: Depends: $depends"
echo "ok: unpacked, the game plays from another folder with the package's own data"
