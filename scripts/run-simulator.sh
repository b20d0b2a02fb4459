#!/usr/bin/env bash
# Installs what is missing, builds and starts the simulator Kavo71.
# Needs a desktop session (an X or Wayland display); on a machine without one, run it under a
# virtual X server: xvfb-run -a scripts/run-simulator.sh
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
# The developer build (tests included, so the other scripts can share the folder); only the
# program is built here.
cmake --preset dev >/dev/null
cmake --build build -j "$(nproc)" --target Kavo71
exec build/mainwin/Kavo71 "$@"
