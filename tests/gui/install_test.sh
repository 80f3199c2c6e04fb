#!/usr/bin/env bash
# Installs the build into a temporary prefix, checks the tree with the
# desktop's own validators, and starts the installed game from a fresh home
# folder under Xvfb and openbox: it must make the player's game folder from
# the installed data, play there, and on a later start keep what play changed.
set -euo pipefail
fail() { echo "install_test: $*" >&2; exit 1; }

# --play PREFIX: start the installed game from the home folder, wait for its
# windows, and close the main one as a player would.
if [ "$1" = --play ]; then
  cd "$HOME"
  "$2/bin/vorlund" &
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
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
prefix=$tmp/prefix

cmake --install "$build" --prefix "$prefix" >/dev/null
id=io.github.vorlund.Vorlund
for f in bin/vorlund bin/vorlund-sim share/vorlund/aorb1.orb share/vorlund/atri1.tri \
         share/vorlund/names.txt share/vorlund/races.txt share/vorlund/risks.txt \
         share/vorlund/Fig13000.bmp share/vorlund/Fig13144.bmp \
         share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
         share/icons/hicolor/scalable/apps/$id.svg share/man/man6/vorlund.6 \
         share/man/man6/vorlund-sim.6; do
  [ -f "$prefix/$f" ] || fail "missing $f"
done
if [ -f "$build/game/wendlebrook_song_one.mp3" ]; then
  [ -f "$prefix/share/vorlund/wendlebrook_song_one.mp3" ] || fail "the music was not installed"
fi
for state in characters.svd graveL.ist aapla2.pla adia2.equ; do
  [ ! -e "$prefix/share/vorlund/$state" ] || fail "state file $state installed"
done
desktop-file-validate "$prefix/share/applications/$id.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" >/dev/null
groff -man -ww -z "$prefix/share/man/man6/vorlund.6" "$prefix/share/man/man6/vorlund-sim.6"

version=$(sed -n 's/^project(Vorlund VERSION \([0-9.]*\).*/\1/p' "$(dirname "$0")/../../CMakeLists.txt")
[ "$("$prefix/bin/vorlund" --version)" = "vorlund $version" ] || fail "vorlund --version"
[ "$("$prefix/bin/vorlund-sim" --version)" = "vorlund-sim $version" ] || fail "vorlund-sim --version"
# Read whole: grep -q leaves at the first match, and a longer help would
# then die of a broken pipe.
grep -q "XDG_DATA_HOME" <<<"$("$prefix/bin/vorlund" --help)" || fail "vorlund --help"
grep -q "usage: vorlund-sim" <<<"$("$prefix/bin/vorlund-sim" --help)" || fail "vorlund-sim --help"
# A pace out of range is refused before any window, with the reason and the usage.
code=0
"$prefix/bin/vorlund" --speed 300 2>"$tmp/err" || code=$?
[ "$code" = 2 ] && [ "$(head -1 "$tmp/err")" = 'vorlund: --speed takes a whole number of ticks per second from 8 to 256 (64 is the designed pace), not "300"' ] &&
  grep -q "Usage: vorlund" "$tmp/err" || fail "--speed 300: exit $code, $(cat "$tmp/err")"

# A player's first start: a fresh home, started from the home folder.
export HOME=$tmp/home XDG_CONFIG_HOME=$tmp/home/.config
unset XDG_DATA_HOME
mkdir -p "$HOME"
own=$HOME/.local/share/vorlund
play_once() {
  bash "$(dirname "$0")/xvfb.sh" bash "$0" --play "$prefix"
}
play_once
cmp "$own/names.txt" "$prefix/share/vorlund/names.txt" || fail "names.txt not copied"
cmp "$own/aorb1.orb" "$prefix/share/vorlund/aorb1.orb" || fail "aorb1.orb not copied"
[ -f "$own/aapla2.pla" ] || fail "the game did not save in its folder"
[ -z "$(ls "$HOME")" ] || fail "files left in the home folder: $(ls "$HOME")"

# A later start keeps what play changed and brings back what is missing.
printf 'Zoë\n' >"$own/names.txt"
rm "$own/races.txt"
play_once
[ "$(cat "$own/names.txt")" = "Zoë" ] || fail "names.txt was overwritten"
cmp "$own/races.txt" "$prefix/share/vorlund/races.txt" || fail "races.txt not restored"
echo "install_test: ok"
