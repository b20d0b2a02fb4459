#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for a number of seconds (default 60).
# Usage: scripts/fuzz.sh [seconds] [target-name-filter]
set -euo pipefail
cd "$(dirname "$0")/.."
secs=${1:-60}
filter=${2:-}
if ! command -v clang++ >/dev/null; then echo "clang++ not found: fuzz targets skipped"; exit 0; fi
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang \
  -DCMAKE_CXX_COMPILER=clang++ -DKAVO_FUZZ=ON -DKAVO_BUILD_GUI=OFF >/dev/null
cmake --build build-fuzz -j "$(nproc)"
shopt -s nullglob
for t in build-fuzz/fuzz/fuzz_*; do
  [ -x "$t" ] || continue
  name=$(basename "$t")
  [ -n "$filter" ] && [[ "$name" != *"$filter"* ]] && continue
  corpus="build-fuzz/corpus/$name"; mkdir -p "$corpus"
  seeds=(); [ -d "fuzz/seeds/$name" ] && seeds=("fuzz/seeds/$name")
  echo "fuzzing $name for ${secs}s"
  "$t" -max_total_time="$secs" -print_final_stats=0 "$corpus" "${seeds[@]}" 2>"build-fuzz/$name.log" \
    || { tail -50 "build-fuzz/$name.log"; echo "fuzz target $name found a fault"; exit 1; }
done
