#!/usr/bin/env bash
# Installs what is missing, builds everything from scratch and runs every test.
# A failing test prints its output.
# Usage: scripts/test.sh [build-folder | preset] [extra cmake options...]
# A folder is built with the dev preset of CMakePresets.json (default build-test); the name of
# a test preset there (asan, tsan) builds that preset in its folder, build-<name>, and runs its
# tests with the preset's settings.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-test}
shift || true
bash scripts/install-deps.sh
preset=dev
if [ "$build" != dev ] && cmake --list-presets=test | grep -qx "  \"$build\""; then
  preset=$build
  build=build-$preset
fi
rm -rf "$build"
if [ "$preset" = dev ]; then
  cmake --preset dev -B "$build" "$@" >/dev/null
  cmake --build "$build" -j "$(nproc)"
  cd "$build"
  ctest --output-on-failure -j "$(nproc)"
else
  cmake --preset "$preset" "$@" >/dev/null
  cmake --build "$build" -j "$(nproc)"
  ctest --preset "$preset" -j "$(nproc)"
fi
