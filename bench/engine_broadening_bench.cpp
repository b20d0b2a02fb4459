// Broadening of a large line list (6000 lines, as the spin analysis produces) onto 2000 points,
// by the exact Lorentzian sum and by the grid-merging routine. The argument is the vertical
// multiplier: the larger it is, the further out each line's tails are evaluated.
#include <benchmark/benchmark.h>

#include <filesystem>

#include <cstdint>

#include "drawlib/ini/libr_ini.h"
#include "engine/broadening.h"
#include "engine/engine_globals.h"

namespace {

constexpr int kLines = 6000;
constexpr int kPoints = 2000;

void SetUpLines() {
  ResetEngineState();
  // The limits come from the built-in defaults: the settings file named here does not exist.
  IniRegisterFile((std::filesystem::temp_directory_path() / "kavo_bench_absent.ini").string());
  gSimType = 34;
  gSpectHz = 1000;
  gHorOffHz = 0;
  gNumPts = kPoints;
  gHzPerPt = gSpectHz / kPoints;
  RedimSpectrum(kPoints);
  RedimLineList(kLines);
  uint32_t seed = 12345;
  auto next = [&seed] {
    seed = seed * 1664525u + 1013904223u;
    return static_cast<float>(seed >> 8) / static_cast<float>(1u << 24);
  };
  for (int k = 1; k <= kLines; ++k) {
    gLineFreq[static_cast<size_t>(k)] = 20 + 960 * next();
    gLineInt[static_cast<size_t>(k)] = 0.05f + next();
  }
  gNumLines = kLines;
}

void BM_LorentzSum(benchmark::State& state) {
  SetUpLines();
  const float vm = static_cast<float>(state.range(0));
  for (auto _ : state) {
    LorentzSum(gSpectrum, gNumLines, 1.0f, gHorOffHz, vm);
    benchmark::DoNotOptimize(gSpectrum.data());
  }
}

void BM_LineBroadenFast(benchmark::State& state) {
  SetUpLines();
  const float vm = static_cast<float>(state.range(0));
  for (auto _ : state) {
    LineBroadenFast(gSpectrum, gNumLines, 1.0f, gHorOffHz, vm);
    benchmark::DoNotOptimize(gSpectrum.data());
  }
}

BENCHMARK(BM_LorentzSum)->Arg(10)->Arg(1000)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LineBroadenFast)->Arg(10)->Arg(1000)->Arg(100000)->Unit(benchmark::kMicrosecond);

}  // namespace
