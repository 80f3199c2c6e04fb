#!/usr/bin/env bash
# The real game as sessions end around it, under an X server with openbox:
# SIGTERM, SIGHUP and SIGINT run its ordinary close, and so does its display
# going away; a second game or sim in the same folder is refused before it
# touches anything, and a killed game's hold blocks nothing; the main window
# stored as minimised keeps its bounds over restarts; a close that cannot
# save tells every file in one message. Root is needed for the read-only
# mount (CI runs as root): a test that cannot mount fails.
#
#   session_test.sh BUILD-FOLDER SOURCE-FOLDER
set -euo pipefail
fail() { echo "session_test: $*" >&2; exit 1; }
build=$1 source=$2
game=$build/bin/vorlund sim=$build/bin/vorlund-sim
if [ -z "${SESSION_PRIVATE:-}" ]; then
  SESSION_PRIVATE=1 exec unshare --mount --propagation private bash "$0" "$@"
fi
tmp=$(mktemp -d)
pids=()
trap 'set +e; kill "${pids[@]}" 2>/dev/null; umount "$tmp/ro" 2>/dev/null; rm -rf "$tmp"' EXIT
export XDG_CONFIG_HOME=$tmp/config
settings=$tmp/config/Vorlund/Vorlund.ini
state=(aapla2.pla adia2.equ characters.svd graveL.ist)

# Waits up to ten seconds for a shell condition to hold.
await() { for _ in $(seq 200); do eval "$1" && return 0; sleep 0.05; done; eval "$1"; }
windows() { wmctrl -l 2>/dev/null | grep -c " $1\$" || true; }
# Answers the message box of the game $pid as a player would, with Return.
answer() {
  local box
  box=$(xdotool search --pid "$pid" --name '^Vorlund$' 2>/dev/null | tail -1)
  [ -n "$box" ] || fail "no message box to answer"
  xdotool windowactivate --sync "$box" key Return 2>/dev/null || true
}
# A first game's folder.
fresh() {
  rm -rf "$1" && mkdir -p "$1"
  cp "$build"/game/* "$1/" && cp "$source"/data/*.txt "$1/" && rm -f "$1/CMakeLists.txt"
}
# Starts the game in a folder; its process id in $pid, its standard error in $tmp/err.
start() {
  (cd "$1" && exec "$game") 2>"$tmp/err" &
  pid=$!
  pids+=("$pid")
}
started() { await '[ "$(windows Names)" = 1 ]' || fail "the game did not show its windows: $(cat "$tmp/err")"; }
# Waits for the process to end; its status in $status.
ended() {
  await "! kill -0 $1 2>/dev/null" || fail "$2 did not end"
  status=0
  wait "$1" 2>/dev/null || status=$?
}
saved() {
  for f in "${state[@]}"; do [ -f "$1/$f" ] || fail "$2: $f not saved"; done
  [ -f "$settings" ] || fail "$2: the settings not saved"
  [ "$(tail -1 "$1/last-game.vsim")" = close ] || fail "$2: the recording has no close"
}

# A logout's SIGTERM, a closed terminal's SIGHUP, Ctrl+C's SIGINT: the close
# of the main window, saves included, and a quiet exit. The sim, waiting
# for its next command, runs its close.
for signal in TERM HUP INT; do
  fresh "$tmp/g" && rm -rf "$tmp/config"
  start "$tmp/g" && started
  kill -"$signal" "$pid"
  ended "$pid" "the game on SIG$signal"
  [ "$status" = 0 ] || fail "SIG$signal: exit status $status"
  saved "$tmp/g" "SIG$signal"
  fresh "$tmp/s" && rm -f "$tmp/in" "$tmp/sim.ini" && mkfifo "$tmp/in"
  (cd "$tmp/s" && exec "$sim" --settings "$tmp/sim.ini" <"$tmp/in" >"$tmp/out" 2>&1) &
  pid=$!
  pids+=("$pid")
  exec 4>"$tmp/in"
  printf 'tick\nset 1 Coin 77\nnames\n' >&4
  await 'grep -q "^names " "$tmp/out"' || fail "the sim did not start: $(cat "$tmp/out")"
  kill -"$signal" "$pid"
  ended "$pid" "the sim on SIG$signal"
  exec 4>&-
  [ "$status" = 0 ] || fail "the sim on SIG$signal: exit status $status, $(cat "$tmp/out")"
  grep -q 'MainForm\\Coin1=77$' "$tmp/sim.ini" || fail "the sim on SIG$signal saved no purses"
  for f in "${state[@]}"; do [ -f "$tmp/s/$f" ] || fail "the sim on SIG$signal: $f not saved"; done
done

# The display goes away, as at the end of a desktop session: the toolkit
# exits the program, and the close runs on the way out.
fresh "$tmp/g" && rm -rf "$tmp/config"
exec 3>"$tmp/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 >/dev/null 2>&1 &
server=$!
pids+=("$server")
await '[ -s "$tmp/display" ]' || fail "no second X server"
display=:$(cat "$tmp/display")
(cd "$tmp/g" && DISPLAY=$display exec "$game") 2>"$tmp/err" &
pid=$!
pids+=("$pid")
await 'DISPLAY=$display xdotool search --onlyvisible --name "^Names\$" >/dev/null 2>&1' ||
  fail "the game did not start on the second server"
kill "$server"
ended "$pid" "the game without its display"
saved "$tmp/g" "without a display"

# One program at a time in a folder: a second game, or a sim, is refused at
# its start with the folder named, before it reads or writes anything (the
# recording is not rotated); a sim holding the folder refuses a game too.
fresh "$tmp/g" && rm -rf "$tmp/config"
start "$tmp/g" && started
first=$pid
refusal="Another Vorlund is playing in $tmp/g: only one game at a time may play in a folder"
start "$tmp/g"
await '[ "$(windows Vorlund)" = 2 ]' || fail "the second game showed no message"
answer
ended "$pid" "the refused game"
[ "$status" = 1 ] && grep -qxF "vorlund: $refusal" "$tmp/err" || fail "second game: $status, $(cat "$tmp/err")"
status=0
echo quit | "$sim" --dir "$tmp/g" 2>"$tmp/simerr" || status=$?
[ "$status" = 3 ] && grep -qxF "vorlund-sim: $refusal" "$tmp/simerr" || fail "sim: $status"
[ ! -e "$tmp/g/previous-game.vsim" ] || fail "the refused game rotated the recording"
# The folder holds what the build's game folder gave it (the ring table) and nothing more.
for f in "${state[@]}"; do
  [ ! -e "$tmp/g/$f" ] || cmp -s "$tmp/g/$f" "$build/game/$f" || fail "a refused program wrote $f"
done
# Killed, the first game's hold goes with it.
{ kill -KILL "$first" && wait "$first"; } 2>/dev/null || true
(sleep 3; echo quit) | "$sim" --dir "$tmp/g" 2>/dev/null &
holder=$!
pids+=("$holder")
sleep 1
status=0
echo quit | "$sim" --dir "$tmp/g" 2>/dev/null || status=$?
[ "$status" = 3 ] || fail "a second sim: exit status $status"
start "$tmp/g"
await '[ "$(windows Vorlund)" = 1 ]' || fail "the game refused by a sim showed no message"
answer
ended "$pid" "the game refused by a sim"
grep -qxF "vorlund: $refusal" "$tmp/err" || fail "game after a sim: $(cat "$tmp/err")"
ended "$holder" "the sim holding the folder"
[ "$status" = 0 ] || fail "the sim after a killed game: exit status $status"

# The main window stored as minimised, restored and closed while another
# window is active (status 2, its bounds written): the same bounds over four
# restarts.
fresh "$tmp/g" && rm -rf "$tmp/config"
start "$tmp/g" && started
sleep 1
wmctrl -c Vorlund
ended "$pid" "the first game"
bounds() { grep -E 'MainForm\\(Top|Left|Width|Height)=' "$settings" | sort; }
first=$(bounds)
for restart in 1 2 3 4; do
  sed -i 's/MainForm\\Status=.*/MainForm\\Status=2/' "$settings"
  start "$tmp/g" && started
  sleep 1
  wmctrl -a Vorlund && sleep 1 && wmctrl -a Names && sleep 0.5
  wmctrl -c Vorlund 2>/dev/null
  ended "$pid" "restart $restart"
  grep -q 'MainForm\\Status=2' "$settings" || fail "restart $restart: not stored as status 2"
  [ "$(bounds)" = "$first" ] || fail "restart $restart: $(bounds | tr '\n' ' ') after $(echo $first)"
done

# A folder that turned read-only: one message lists every file the close
# could not save, with its full path.
mkdir "$tmp/ro"
fresh "$tmp/ro" && rm -rf "$tmp/config"
start "$tmp/ro" && started
mount --bind "$tmp/ro" "$tmp/ro" && mount -o remount,bind,ro "$tmp/ro" || fail "cannot mount"
wmctrl -c Vorlund
await 'grep -q "could not be saved" "$tmp/err"' || fail "no message at close"
sleep 1
answer
ended "$pid" "the game in a read-only folder"
[ "$status" = 1 ] || fail "read-only folder: exit status $status"
{
  echo "vorlund: These files could not be saved, and were left as they were:"
  for f in "${state[@]}"; do echo "vorlund: $tmp/ro/$f (Read-only file system)"; done
} >"$tmp/told"
grep '^vorlund: ' "$tmp/err" | diff - "$tmp/told" || fail "the message at close differs"
echo "session_test: ok"
