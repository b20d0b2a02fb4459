#!/usr/bin/env bash
# Installs what is missing, builds and starts the simulator Kavo71.
# Until the simulator's main window exists this starts the calculator Halvex, the toolset's
# first complete program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKAVO_BUILD_TESTS=OFF -DKAVO_BUILD_BENCH=OFF >/dev/null
cmake --build build -j "$(nproc)"
if [ -x build/mainwin/Kavo71 ]; then
  exec build/mainwin/Kavo71 "$@"
elif [ -x build/ratecalc/Halvex ]; then
  echo "The simulator's main window is not built yet; starting the calculator Halvex."
  exec build/ratecalc/Halvex "$@"
else
  echo "No program is built yet."
fi
