#!/usr/bin/env bash
# Runs a command on a virtual X server of its own, with a real window manager
# (openbox), so that windows get frames, titles and placements as a player's
# do. xvfb-run -a picks the first free display from its start number, and two
# runs started together may pick the same one; a random start keeps the GUI
# tests of parallel builds apart.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
exec xvfb-run -a -n $((100 + RANDOM % 4000)) -s "-screen 0 1280x1024x24" \
  bash "$here/with_openbox.sh" "$@"
