#!/usr/bin/env bash
# Every save of the close on a real full file system: the game folder and the
# settings file each on a small tmpfs of their own, filled. A save that finds
# no room leaves its file byte for byte as it was, is told on standard error,
# and the close exits 1 naming it; the others are saved. Mounting needs root
# (CI runs as root): a test that cannot mount fails.
#
#   full_disk.sh VORLUND-SIM BUILT-GAME-FOLDER
set -euo pipefail
fail() { echo "full_disk: $*" >&2; exit 1; }
sim=$1 built=$2

# A mount namespace of its own: the mounts go with the test, however it ends.
if [ -z "${FULL_DISK_PRIVATE:-}" ]; then
  FULL_DISK_PRIVATE=1 exec unshare --mount --propagation private bash "$0" "$@"
fi
tmp=$(mktemp -d)
trap 'set +e; umount "$tmp/game" "$tmp/config" 2>/dev/null; rm -rf "$tmp"' EXIT
game=$tmp/game settings=$tmp/config/s.ini kept=$tmp/kept
mkdir "$game" "$tmp/config" "$kept"
mount -t tmpfs -o size=2m tmpfs "$game" || fail "cannot mount a tmpfs"
mount -t tmpfs -o size=64k tmpfs "$tmp/config" || fail "cannot mount a tmpfs"
for f in aorb1.orb atri1.tri names.txt races.txt risks.txt; do
  cp "$built/$f" "$game/"
done

# Runs the sim in the game folder on the commands given; its status in $status.
play() {
  status=0
  printf '%s\n' "$@" | (cd "$game" && "$sim" --seed 3 --settings "$settings") \
    >"$tmp/out" 2>"$tmp/err" || status=$?
}
# Leaves `bytes` free on the file system of a folder (0: none at all).
fill() {
  rm -f "$1/filler"
  if [ "$2" = 0 ]; then
    cat /dev/zero >"$1/filler" 2>/dev/null || true
  else
    fallocate -l $(($(df --output=avail -B1 "$1" | tail -1) - $2)) "$1/filler"
  fi
}
files=(aapla2.pla adia2.equ characters.svd graveL.ist)
keep() { for f in "${files[@]}"; do cp "$game/$f" "$kept/"; done; cp "$settings" "$kept/"; }
same() { for f in "$@"; do cmp -s "$kept/$(basename "$f")" "$f" || fail "$f was not left as it was"; done; }
changed() { for f in "$@"; do ! cmp -s "$kept/$(basename "$f")" "$f" || fail "$f was not saved"; done; }
expect_err() {
  grep -qxF "$1" "$tmp/err" || fail "no line '$1' on standard error: $(cat "$tmp/err")"
}

# A farm of one, a graveyard of one, purses: every state file on disk.
play tick 'click #0' 'click human' 'click 12' 'click release fighters' fight 'click pay for breeding' close
[ "$status" = 0 ] || fail "the first game exited $status: $(cat "$tmp/err")"
farmed=$(sed -n 's/^log: \(.*\) human 12 [0-9]*$/\1/p' "$tmp/out" | head -1)
[ -n "$farmed" ] || fail "no fighter was made: $(cat "$tmp/out")"
keep

# The settings alone find no room: the purses stay as they were saved, and
# the next start is no first run; the game folder's files are all saved.
fill "$tmp/config" 0
play tick 'set 1 Coin 777' close
[ "$status" = 1 ] || fail "a failed settings save exited $status"
expect_err "vorlund-sim: Cannot create file $settings (No space left on device)"
expect_err "vorlund-sim: not saved: $settings"
same "$settings"
changed "$game/aapla2.pla"
rm "$tmp/config/filler"
coin=$(sed -n 's/.*MainForm\\Coin1=//p' "$settings")
play tick "expect fighter 1 Coin $coin" "expect fighter 3 Name_String $farmed" quit
[ "$status" = 0 ] || fail "the purses or the farm did not come back: $(cat "$tmp/err")"
keep

# The ring table alone: room for the others' new files, not for its own.
fill "$game" $((200 * 1024))
play tick close
[ "$status" = 1 ] || fail "a failed ring table save exited $status"
expect_err "vorlund-sim: Cannot create file adia2.equ (No space left on device)"
expect_err "vorlund-sim: not saved: adia2.equ"
same "$game/adia2.equ"
changed "$game/aapla2.pla"
keep

# Every file of the game folder, then every file of the close together.
for full in "$game" "$game $tmp/config"; do
  for folder in $full; do fill "$folder" 0; done
  play tick 'set 1 Coin 5' close
  [ "$status" = 1 ] || fail "a close with $full full exited $status"
  line="vorlund-sim: not saved: ${files[*]}"
  [ "$full" = "$game" ] || line="vorlund-sim: not saved: aapla2.pla adia2.equ $settings characters.svd graveL.ist"
  expect_err "$line"
  for f in "${files[@]}"; do
    expect_err "vorlund-sim: Cannot create file $f (No space left on device)"
  done
  same "${files[@]/#/$game/}"
  [ "$full" = "$game" ] && changed "$settings" || same "$settings"
  rm -f "$game/filler" "$tmp/config/filler"
  keep
done
# Nothing of a failed save is left in the folders.
leftovers=$(ls "$game" "$tmp/config" | grep -c '\.tmp$' || true)
[ "$leftovers" = 0 ] || fail "temporary files left: $(ls "$game" "$tmp/config")"
echo "full_disk: ok"
