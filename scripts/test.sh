#!/usr/bin/env bash
# Installs what is missing, builds everything from scratch and runs every test.
# A failing test prints its output.  Usage: scripts/test.sh [build-folder] [extra cmake options...]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-test}
shift || true
bash scripts/install-deps.sh
rm -rf "$build"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build "$build" -j "$(nproc)"
cd "$build"
ctest --output-on-failure -j "$(nproc)"
