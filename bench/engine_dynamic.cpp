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

namespace {

constexpr int kPoints = 2000;

// Selects the type with its default parameters, as the main window does.
void SelectType(int16_t type) {
  ResetEngineState();
  IniRegisterFile((std::filesystem::temp_directory_path() / "kavo_bench_absent.ini").string());
  gSimType = type;
  SimTypeRec& rec = gSimTypes[static_cast<size_t>(type)];
  SimTypeSetup(rec, type);
  gSimPar = rec.Par;
  gSpins = rec.Spins;
  gLastPar = rec.LastPar;
  gSpinCount = rec.SpinCount;
  gTypeMode = rec.Mode;
  gVertMult = rec.VertMult;
  for (int i = 0; i <= gLastPar; ++i) {
    const SimParRec& p = gSimPar[static_cast<size_t>(i)];
    if (p.Flags & kParSpecWidth) gSpectHz = p.Value;
    if (p.Flags & kParOffset) gHorOffHz = p.Value;
  }
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
