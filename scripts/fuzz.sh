#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs them all at once (at most one per core) for a
# number of seconds each (default 60).
# Usage: scripts/fuzz.sh [seconds] [target-name-filter]
# Without clang and its libFuzzer runtime the run is skipped, except under CI (CI=true), where
# that is a failure. KAVO_FUZZ_CC and KAVO_FUZZ_CXX name other compilers (default clang, clang++).
# Inputs that make a target fail are saved under build-fuzz/artifacts/<target>/.
set -euo pipefail
cd "$(dirname "$0")/.."
secs=${1:-60}
filter=${2:-}
cc=${KAVO_FUZZ_CC:-clang}
cxx=${KAVO_FUZZ_CXX:-clang++}
out=build-fuzz

# The runs are judged as CI judges them: the project's leak suppressions (allocations that
# fontconfig, glib and Qt keep until exit), and any undefined-behaviour report ends a run.
# Sanitizer options given by the caller come first (ASan's replace CI's).
export LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:+$UBSAN_OPTIONS:}print_stacktrace=1:halt_on_error=1"
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}"

toolchain_missing() {
  echo "$1"
  if [ "${CI:-}" = "true" ]; then
    echo "CI: the fuzz targets must run; install the toolchain with scripts/install-deps.sh"
    exit 1
  fi
  echo "fuzz targets skipped"
  exit 0
}

command -v "$cxx" >/dev/null && command -v "$cc" >/dev/null ||
  toolchain_missing "$cxx or $cc not found"
# The compiler alone is not enough: the libFuzzer runtime comes in a package of its own.
probe=$(mktemp -d)
trap 'rm -rf "$probe"' EXIT
echo 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char*, unsigned long) { return 0; }' \
  >"$probe/probe.cpp"
"$cxx" -fsanitize=fuzzer "$probe/probe.cpp" -o "$probe/probe" 2>"$probe/log" ||
  toolchain_missing "$cxx cannot link a libFuzzer target: $(head -3 "$probe/log")"

# The fuzz preset's folder is build-fuzz.
cmake --preset fuzz -DCMAKE_C_COMPILER="$cc" -DCMAKE_CXX_COMPILER="$cxx" >/dev/null
cmake --build "$out" -j "$(nproc)"

# One target: its corpus and artifact folders under the build folder, its output in a log,
# its exit status in a file.
run_target() {
  local t=$1 name status=0
  name=$(basename "$t")
  mkdir -p "$out/corpus/$name" "$out/artifacts/$name"
  # Seed inputs kept in the repository start the corpus of targets that have them.
  local seeds=()
  [ -d "fuzz/seeds/$name" ] && seeds=("fuzz/seeds/$name")
  "$t" -max_total_time="$secs" -print_final_stats=1 -artifact_prefix="$out/artifacts/$name/" \
    "$out/corpus/$name" "${seeds[@]}" >"$out/$name.log" 2>&1 || status=$?
  echo "$status" >"$out/$name.status"
}

shopt -s nullglob
targets=()
for t in "$out"/fuzz/fuzz_*; do
  [ -x "$t" ] || continue
  [ -n "$filter" ] && [[ "$(basename "$t")" != *"$filter"* ]] && continue
  targets+=("$t")
done
[ ${#targets[@]} -gt 0 ] || { echo "no fuzz target matches '$filter'"; exit 1; }

jobs_max=$(nproc)
echo "fuzzing ${#targets[@]} targets for ${secs}s each, at most $jobs_max at a time"
for t in "${targets[@]}"; do
  while [ "$(jobs -rp | wc -l)" -ge "$jobs_max" ]; do wait -n || true; done
  rm -f "$out/$(basename "$t").status"
  run_target "$t" &
done
wait

failed=0
for t in "${targets[@]}"; do
  name=$(basename "$t")
  status=$(cat "$out/$name.status" 2>/dev/null || echo "none")
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$out/$name.log")
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$out/$name.log")
  if [ "$status" = "0" ]; then
    echo "$name: ${runs:-?} runs, ${rate:-?} a second"
  else
    failed=1
    tail -50 "$out/$name.log"
    echo "fuzz target $name found a fault (exit status $status); log: $out/$name.log"
    for a in "$out/artifacts/$name"/*; do echo "  failing input saved: $a"; done
  fi
done
exit $failed
