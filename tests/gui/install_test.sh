#!/usr/bin/env bash
# The game as a player and a packager get it. First the build installed into
# a temporary prefix: the tree is checked with the desktop's own validators,
# both programs refuse what they do not know before any window opens, and
# the installed game, started from a fresh home under Xvfb and openbox, makes
# the player's game folder from the installed data and plays there, the
# textures and the tune read from the installed data; a later start keeps
# what play changed. Then the Debian package (made by package.deb),
# unpacked into a temporary root in its games layout: it finds its data
# there and plays, and neither the game nor the sim ever plays in the
# installed data folder, not even started inside it.
#
#   install_test.sh BUILD PACKAGE_BUILD
set -euo pipefail
fail() { echo "install_test: $*" >&2; exit 1; }

# --play PROGRAM: start the installed game from the current folder, wait for
# its windows, and close the main one as a player would.
if [ "$1" = --play ]; then
  "$2" &
  game=$!
  for _ in $(seq 200); do
    wmctrl -l 2>/dev/null | grep -q ' Names$' && break
    sleep 0.05
  done
  wmctrl -l | grep -q ' Names$' || { kill "$game"; fail "the game did not show its windows"; }
  wmctrl -c Vorlund
  for _ in $(seq 200); do kill -0 "$game" 2>/dev/null || break; sleep 0.05; done
  if kill -0 "$game" 2>/dev/null; then kill "$game"; fail "the game did not close"; fi
  wait "$game" || fail "the game exited with $?"
  exit 0
fi

build=$1
package_build=$2
here=$(cd "$(dirname "$0")" && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
prefix=$tmp/prefix
# play_once PROGRAM: one game from the current folder.
play_once() {
  bash "$here/xvfb.sh" bash "$here/install_test.sh" --play "$1"
}
# The read-only data never lands in a game folder.
no_read_only_data() {
  [ -z "$(find "$1" -name 'Fig13*.bmp' -o -name 'wendlebrook_song_one.mp3')" ] ||
    fail "textures or the tune were copied into $1"
}

cmake --install "$build" --prefix "$prefix" >/dev/null
# The programs, the data, the desktop entry, the metainfo and the man pages
# are used below; the rest is listed here.
id=io.github.vorlund.Vorlund
for f in icons/hicolor/scalable/apps/$id.svg icons/hicolor/16x16/apps/$id.png \
         icons/hicolor/256x256/apps/$id.png doc/vorlund/copyright; do
  [ -f "$prefix/share/$f" ] || fail "missing $f"
done
if [ -f "$build/game/wendlebrook_song_one.mp3" ]; then
  [ -f "$prefix/share/vorlund/wendlebrook_song_one.mp3" ] || fail "the music was not installed"
fi
for state in characters.svd graveL.ist aapla2.pla; do
  [ ! -e "$prefix/share/vorlund/$state" ] || fail "state file $state installed"
done
# The ring table as the sphere's generator made it, whatever play did to the build's copy.
cmp -s "$prefix/share/vorlund/adia2.equ" "$build/shipped/adia2.equ" || fail "adia2.equ installed"
desktop-file-validate "$prefix/share/applications/$id.desktop"
grep -qx "Exec=vorlund" "$prefix/share/applications/$id.desktop" || fail "Exec"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" >/dev/null
groff -man -ww -z "$prefix/share/man/man6/vorlund.6" "$prefix/share/man/man6/vorlund-sim.6"

version=$(sed -n 's/^project(Vorlund VERSION \([0-9.]*\).*/\1/p' "$here/../../CMakeLists.txt")
for program in vorlund vorlund-sim; do
  "$prefix/bin/$program" --version >"$tmp/out"
  [ "$(head -1 "$tmp/out")" = "$program $version" ] &&
    grep -q "^License GPL-3.0-or-later" "$tmp/out" || fail "$program --version: $(cat "$tmp/out")"
done
# Read whole: grep -q leaves at the first match, and a longer help would
# then die of a broken pipe.
grep -q "XDG_DATA_HOME" <<<"$("$prefix/bin/vorlund" --help)" || fail "vorlund --help"
grep -q "usage: vorlund-sim" <<<"$("$prefix/bin/vorlund-sim" --help)" || fail "vorlund-sim --help"

# Refused before any window: without a display a start would fail
# otherwise. The reason, then the usage that --help begins with, on stderr.
refused() {  # refused PROGRAM REASON ARG...
  local program=$1 reason=$2 code=0
  shift 2
  env -u DISPLAY -u WAYLAND_DISPLAY "$prefix/bin/$program" "$@" >"$tmp/out" 2>"$tmp/err" || code=$?
  local usage
  "$prefix/bin/$program" --help >"$tmp/help"
  usage=$(head -"$(($(wc -l <"$tmp/err") - 1))" "$tmp/help")
  [ "$code" = 2 ] && [ ! -s "$tmp/out" ] && [ "$(head -1 "$tmp/err")" = "$program: $reason" ] &&
    [ "$(tail -n +2 "$tmp/err")" = "$usage" ] ||
    fail "$program $*: exit $code, stdout $(cat "$tmp/out"), stderr $(cat "$tmp/err")"
}
refused vorlund 'unknown option --versoin' --versoin
refused vorlund 'unexpected argument "savegame"' --speed 16 savegame
refused vorlund '--speed takes a whole number of ticks per second from 8 to 256 (64 is the designed pace), not "300"' --speed 300
refused vorlund '-display needs a value' -display
refused vorlund-sim 'unknown option --versoin' --versoin
refused vorlund-sim 'unexpected argument "game"' --seed 3 game

# A player's first start: a fresh home, started from the home folder.
export HOME=$tmp/home XDG_CONFIG_HOME=$tmp/home/.config
unset XDG_DATA_HOME
mkdir -p "$HOME"
own=$HOME/.local/share/vorlund
cd "$HOME"
play_once "$prefix/bin/vorlund"
cmp "$own/names.txt" "$prefix/share/vorlund/names.txt" || fail "names.txt not copied"
cmp "$own/aorb1.orb" "$prefix/share/vorlund/aorb1.orb" || fail "aorb1.orb not copied"
no_read_only_data "$own"
[ -f "$own/aapla2.pla" ] || fail "the game did not save in its folder"
[ -z "$(ls "$HOME")" ] || fail "files left in the home folder: $(ls "$HOME")"

# A later start keeps what play changed and brings back what is missing.
printf 'Zoë\n' >"$own/names.txt"
rm "$own/races.txt"
play_once "$prefix/bin/vorlund"
[ "$(cat "$own/names.txt")" = "Zoë" ] || fail "names.txt was overwritten"
cmp "$own/races.txt" "$prefix/share/vorlund/races.txt" || fail "races.txt not restored"

# The package in a temporary root, as dpkg would lay it out under /.
root=$tmp/root
deb=$(ls "$package_build"/vorlund_"$version"_*.deb)
dpkg-deb -x "$deb" "$root"
data=$root/usr/share/games/vorlund
export HOME=$tmp/home2 XDG_CONFIG_HOME=$tmp/home2/.config
mkdir -p "$HOME"
own=$HOME/.local/share/vorlund
(cd "$data" && find . -type f -exec md5sum {} + | sort) >"$tmp/data.before"
# Started inside the installed data folder, where whoever runs the test may
# write (root, as in CI, everywhere): the game plays in the player's folder.
cd "$data"
play_once "$root/usr/games/vorlund"
cmp "$own/names.txt" "$data/names.txt" || fail "the packaged game did not make the player's folder"
no_read_only_data "$own"
[ -f "$own/aapla2.pla" ] || fail "the packaged game did not save in the player's folder"
for sim in "$root/usr/games/vorlund-sim --dir $data" "$root/usr/games/vorlund-sim"; do
  code=0
  echo close | $sim >/dev/null 2>"$tmp/err" || code=$?
  [ "$code" = 1 ] && grep -q "is the installed game data, never a game folder" "$tmp/err" ||
    fail "$sim in the installed data: exit $code, $(cat "$tmp/err")"
done
(cd "$data" && find . -type f -exec md5sum {} + | sort) >"$tmp/data.after"
diff "$tmp/data.before" "$tmp/data.after" || fail "the installed data folder was changed"
cd "$HOME"
play_once "$root/usr/games/vorlund"
echo "install_test: ok"
