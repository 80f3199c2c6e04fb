#!/usr/bin/env bash
# Runs a command under the openbox window manager on the current X display
# (xvfb-run provides one), so that windows get real frames and titles.
set -euo pipefail
openbox --sm-disable >/dev/null 2>&1 &
wm=$!
trap 'kill "$wm" 2>/dev/null || true' EXIT
for _ in $(seq 100); do
  wmctrl -m >/dev/null 2>&1 && break
  sleep 0.05
done
wmctrl -m >/dev/null 2>&1 || { echo "with_openbox: openbox did not start" >&2; exit 1; }
"$@"
