#!/usr/bin/env bash
# Starts the simulator under a virtual X server at 96 and at 192 DPI and saves a picture of the
# screen for each: build/screenshots/kavo71-96dpi.png, kavo71-192dpi.png and a full-size part of
# the 192-DPI screen, kavo71-192dpi-panel.png; and on a 1920 x 1080 screen at 150 and 200 %,
# where the window is shorter than its left column (kavo71-1080-scale1_5.png, -scale2.png).
# Usage: scripts/screenshots.sh [build-folder] [seconds to wait before the picture]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
wait=${2:-4}
out="$build/screenshots"
bash scripts/install-deps.sh
cmake --preset dev -B "$build" >/dev/null
cmake --build "$build" -j "$(nproc)" --target Kavo71 grab_screen
mkdir -p "$out"
shoot() {  # name width height scale [x y w h: only this part of the screen]
  local name=$1 width=$2 height=$3 scale=$4
  local crop="${5:-} ${6:-} ${7:-} ${8:-}"
  local home
  home=$(mktemp -d)
  # The settings go to a fresh configuration folder, so the picture shows a first start.
  xvfb-run -a -s "-screen 0 ${width}x${height}x24 -dpi 96" bash -c "
    export XDG_CONFIG_HOME='$home' QT_SCALE_FACTOR=$scale
    '$build/mainwin/Kavo71' & pid=\$!
    '$build/tests/grab_screen' '$out/$name.png' $((wait * 1000)) $crop
    kill \$pid 2>/dev/null || true"
  rm -rf "$home"
  echo "$out/$name.png"
}
shoot kavo71-96dpi 1920 1080 1
shoot kavo71-192dpi 3840 2160 2
shoot kavo71-1080-scale1_5 1920 1080 1.5
shoot kavo71-1080-scale2 1920 1080 2
# The controls at full size: the left column and the parameter rows (logical pixels).
shoot kavo71-192dpi-panel 3840 2160 2 0 0 760 460
