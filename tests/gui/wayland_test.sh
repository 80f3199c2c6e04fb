#!/usr/bin/env bash
# The game on a Wayland desktop, as weston's headless backend makes one:
#  1. without X: wayland_tests plays there (the desktop places the windows,
#     the Log says so, F1 .. F4 bring each window to the front);
#  2. with Xwayland beside it: the real program, started as a desktop starts
#     it with both DISPLAY and WAYLAND_DISPLAY set, runs on X and its windows
#     stand where the game places them; a platform the player chose
#     (QT_QPA_PLATFORM or -platform) is kept; a DISPLAY where no X server
#     answers leaves it on Wayland, unless -display names one that does.
# Without weston the test fails: it never passes for not having run.
#
#   wayland_test.sh WAYLAND_TESTS VORLUND GAME_FOLDER
set -euo pipefail
fail() { echo "wayland_test: $*" >&2; exit 1; }
tests=$(realpath "$1") game=$(realpath "$2") data=$(realpath "$3")
for tool in weston weston-debug Xwayland python3; do
  command -v "$tool" >/dev/null || fail "$tool is missing (scripts/install-deps installs it)"
done

tmp=$(mktemp -d)
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$tmp"
}
trap cleanup EXIT
export XDG_RUNTIME_DIR=$tmp/run HOME=$tmp/home XDG_CONFIG_HOME=$tmp/config
mkdir -m 700 "$XDG_RUNTIME_DIR"
mkdir -p "$HOME"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM

# weston_on NAME [OPTION]...: weston on the socket NAME, once it answers.
weston_on() {
  local name=$1
  shift
  weston --backend=headless-backend.so --socket="$name" --use-pixman --width=1280 \
    --height=1024 --idle-time=0 --debug "$@" >"$tmp/$name.log" 2>&1 &
  pids+=($!)
  for _ in $(seq 200); do
    WAYLAND_DISPLAY=$name weston-debug scene-graph >/dev/null 2>&1 && return 0
    sleep 0.05
  done
  cat "$tmp/$name.log" >&2
  fail "weston did not start"
}

# windows NAME: one line per window of the game in weston's scene graph,
# front first: how it reached weston (wayland or x11), the first word of its
# title, its left and top.
windows() {
  WAYLAND_DISPLAY=$1 weston-debug scene-graph | python3 -c '
import re, sys
text = sys.stdin.read()
for view in re.finditer(r"role ([^,]+), PID \d+, surface ID \d+, top-level window .([^\x27]*).*?\n\s*position: \((-?\d+), (-?\d+)\)", text):
    role, title, x, y = view.groups()
    if title.split()[0] in ("Vorlund", "Us", "Them", "Names", "Log"):
        print("wayland" if role == "xdg_toplevel" else "x11", title.split()[0], x, y)
'
}

# play NAME [ENV=VALUE]... -- [ARG]...: starts the real game in a game folder
# of its own against weston NAME, waits for its five windows, and leaves
# their list in $tmp/windows; the game is ended then.
play() {
  local name=$1
  shift
  local env=()
  while [ "$1" != -- ]; do env+=("$1"); shift; done
  shift
  rm -rf "$tmp/game"
  cp -r "$data" "$tmp/game"
  (cd "$tmp/game" && exec env WAYLAND_DISPLAY="$name" "${env[@]}" "$game" "$@") \
    >"$tmp/game.log" 2>&1 &
  local pid=$!
  for _ in $(seq 400); do
    windows "$name" >"$tmp/windows"
    [ "$(wc -l <"$tmp/windows")" = 5 ] && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.05
  done
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  [ "$(wc -l <"$tmp/windows")" = 5 ] || { cat "$tmp/game.log" >&2; fail "the game showed no windows: $(cat "$tmp/windows")"; }
  # The next game must not be taken for this one, whose windows the
  # compositor may still hold for a moment.
  for _ in $(seq 200); do
    [ -z "$(windows "$name")" ] && return 0
    sleep 0.05
  done
  fail "the windows of the ended game stayed"
}

# all_on KIND: every window reached weston as KIND.
all_on() { [ "$(cut -d' ' -f1 "$tmp/windows" | sort -u)" = "$1" ]; }
at() { grep " $1 " "$tmp/windows" | cut -d' ' -f"$2"; }

# 1. Wayland alone.
weston_on wl-alone
WAYLAND_DISPLAY=wl-alone QT_QPA_PLATFORM=wayland "$tests" || fail "wayland_tests failed"

# 2. Xwayland beside it: X, with the game's own layout (the Log and Names to
# the left and right of the arena, Us and Them below).
weston_on wl-x --xwayland
display=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$tmp/wl-x.log" | head -1)
[ -n "$display" ] || { cat "$tmp/wl-x.log" >&2; fail "weston started no Xwayland"; }
play wl-x DISPLAY="$display" --
all_on x11 || fail "with an X server at hand the game did not use it: $(cat "$tmp/windows")"
[ "$(at Log 3)" -lt "$(at Vorlund 3)" ] && [ "$(at Vorlund 3)" -lt "$(at Names 3)" ] &&
  [ "$(at Us 4)" -gt $(($(at Log 4) + 300)) ] && [ "$(at Them 3)" -gt $(($(at Us 3) + 300)) ] ||
  fail "the windows do not stand where the game placed them: $(cat "$tmp/windows")"
play wl-x DISPLAY="$display" QT_QPA_PLATFORM=wayland --
all_on wayland || fail "QT_QPA_PLATFORM=wayland was not kept: $(cat "$tmp/windows")"
play wl-x DISPLAY="$display" -- -platform wayland
all_on wayland || fail "-platform wayland was not kept: $(cat "$tmp/windows")"
play wl-x DISPLAY=:999 --
all_on wayland || fail "with no X server answering the game did not stay on Wayland"
play wl-x DISPLAY=:999 -- -display "$display"
all_on x11 || fail "the X server -display names was not used: $(cat "$tmp/windows")"
echo "wayland_test: ok"
