// One recalculation of the n-site exchange types at their catalogue defaults over 2000 points,
// every point evaluated (step 1): the seven-site type 29 and the three-site type 18.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "bench/engine_type_setup.h"
#include "engine/analyses.h"
#include "engine/engine_globals.h"
#include "engine/sim_catalogue.h"

namespace {

constexpr int kPoints = 2000;

void BM_DynamicType(benchmark::State& state) {
  SelectTypeForBench(static_cast<int16_t>(state.range(0)), kPoints);
  for (auto _ : state) {
    CalcDynamicSpectrum();
    benchmark::DoNotOptimize(gSpectrum.data());
  }
}

}  // namespace

BENCHMARK(BM_DynamicType)->Arg(29)->Arg(18)->Unit(benchmark::kMicrosecond);
