// One recalculation of the n-site exchange types at their catalogue defaults over 2000 points,
// every point evaluated (step 1): the seven-site type 29 and the three-site type 18.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <filesystem>
#include <string>

#include "drawlib/ini/libr_ini.h"
#include "engine/analyses.h"
#include "engine/engine_globals.h"
#include "engine/sim_catalogue.h"
#include "engine/type_tables.h"

namespace {

constexpr int kPoints = 2000;

// Selects the type with its default parameters, as the main window does.
void SelectType(int16_t type) {
  ResetEngineState();
  IniRegisterFile((std::filesystem::temp_directory_path() / "kavo_bench_absent.ini").string());
  LoadSimTypeTables(type);
  gNumPts = kPoints;
  RedimSpectrum(kPoints);
  gHzPerPt = gSpectHz / kPoints;
  gPointStep = 1;
}

void BM_DynamicType(benchmark::State& state) {
  SelectType(static_cast<int16_t>(state.range(0)));
  for (auto _ : state) {
    CalcDynamicSpectrum();
    benchmark::DoNotOptimize(gSpectrum.data());
  }
}

}  // namespace

BENCHMARK(BM_DynamicType)->Arg(29)->Arg(18)->Unit(benchmark::kMicrosecond);
