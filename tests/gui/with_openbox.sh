#!/usr/bin/env bash
# Runs a command under the openbox window manager on the current X display
# (xvfb-run provides one), so that windows get real frames and titles.
set -euo pipefail
log=$(mktemp)
wm=
trap '[ -n "$wm" ] && kill "$wm" 2>/dev/null; rm -f "$log"' EXIT

# A fresh server sometimes refuses the first connections for a moment: wait
# until it answers, and start openbox again if it gave up.
for _ in $(seq 200); do
  xdpyinfo >/dev/null 2>&1 && break
  sleep 0.05
done
for _ in $(seq 5); do
  openbox --sm-disable >"$log" 2>&1 &
  wm=$!
  for _ in $(seq 200); do
    wmctrl -m >/dev/null 2>&1 && break 2
    kill -0 "$wm" 2>/dev/null || break
    sleep 0.05
  done
done
if ! wmctrl -m >/dev/null 2>&1; then
  echo "with_openbox: openbox did not start on $DISPLAY:" >&2
  cat "$log" >&2
  exit 1
fi
"$@"
