#!/usr/bin/env bash
# Installs what is missing, builds and starts the simulator Kavo71.
# Needs a desktop session (an X or Wayland display); on a machine without one, run it under a
# virtual X server: xvfb-run -a scripts/run-simulator.sh
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKAVO_BUILD_TESTS=OFF -DKAVO_BUILD_BENCH=OFF >/dev/null
cmake --build build -j "$(nproc)" --target Kavo71
exec build/mainwin/Kavo71 "$@"
