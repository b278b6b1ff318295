# Sourced by the end-to-end tests: failing with a reason, skipping where a tool is missing, a
# throw-away folder, and the installed game playing.
export LC_ALL=C.UTF-8
fail() { echo "FAIL: $*"; exit 1; }

# need "DEBIAN PACKAGES" TOOL...: skip the test (status 77) unless every TOOL is installed.
need() {
  packages=$1
  shift
  for tool in "$@"; do
    if ! command -v "$tool" >/dev/null 2>&1; then
      echo "SKIP: $tool is not installed (Debian: $packages)"
      exit 77
    fi
  done
}

# A folder of the test's own, gone when it ends.
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

# check_installed_game PREFIX: the game installed under PREFIX plays from a folder without
# its files, and it is the installed data it plays with.
check_installed_game() {
  mkdir "$WORK/elsewhere"
  out=$(cd "$WORK/elsewhere" && printf 'menu new\ntick\nclickat 300 200\nelement day\nelement kanek\nscreenshot home.png\n' |
        "$1/bin/tenrali-play" --seed 0) || fail "the installed tenrali-play did not run from another folder"
  echo "$out" | grep -q '"name":"day".*"caption":"1"' || fail "the installed game did not reach day 1: $out"
  echo "$out" | grep -q '"name":"kanek".*"caption":"20"' || fail "the installed game did not reach day 1: $out"
  file -b "$WORK/elsewhere/home.png" | grep -q '^PNG image data, 600 x 400,' ||
    fail "the installed game drew no 600 x 400 picture of day 1"
  # Spoil the installed tenki.dat: the game says so, so it was that file it read (not the build's).
  head -c 20 "$1/share/tenrali/tenki.dat" >"$WORK/short" && mv "$WORK/short" "$1/share/tenrali/tenki.dat"
  status=0
  said=$(cd "$WORK/elsewhere" && echo 'state' | "$1/bin/tenrali-play" 2>&1 >/dev/null) || status=$?
  [ "$status" = 2 ] && echo "$said" | grep -q 'tenki.dat' || fail "the installed game did not read its own data: $status $said"
}
