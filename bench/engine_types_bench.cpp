// One recalculation of every simulation type at its catalogue defaults over 2000 points, by the
// road a parameter change takes (CalcSpectrum: line list or exchange line shape, broadening).
// The exchange types solve every point (step 1). The argument is the type code.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "bench/engine_type_setup.h"
#include "engine/calc_spectrum.h"
#include "engine/engine_globals.h"

namespace {

constexpr int kPoints = 2000;
constexpr int kTypes = 45;

void BM_CalcSpectrum(benchmark::State& state) {
  SelectTypeForBench(static_cast<int16_t>(state.range(0)), kPoints);
  for (auto _ : state) {
    CalcSpectrum(1);
    benchmark::DoNotOptimize(gSpectrum.data());
  }
  state.counters["lines"] = gNumLines;
}

BENCHMARK(BM_CalcSpectrum)->DenseRange(0, kTypes - 1)->Unit(benchmark::kMicrosecond);

}  // namespace
