#!/usr/bin/env bash
# Builds the simulator and plays the end-to-end journeys on it: the real program, started as its
# own process on the offscreen platform in fresh program and settings folders. No display needed.
# Usage: scripts/e2e.sh [build-folder]   (the program's logs: <build>/tests/e2e/scratch/)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
bash scripts/install-deps.sh
cmake --preset dev -B "$build" >/dev/null
cmake --build "$build" -j "$(nproc)" --target test_e2e
cd "$build"
ctest -L e2e --output-on-failure
