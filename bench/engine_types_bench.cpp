// One recalculation of every simulation type at its catalogue defaults over 2000 points, by the
// road a parameter change takes (CalcSpectrum: line list or exchange line shape, broadening).
// The exchange types solve every point (step 1). The argument is the type code.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <filesystem>

#include "drawlib/ini/libr_ini.h"
#include "engine/calc_spectrum.h"
#include "engine/engine_globals.h"
#include "engine/type_tables.h"

namespace {

constexpr int kPoints = 2000;
constexpr int kTypes = 45;

// Selects the type with its default parameters, as the main window does.
void SelectType(int16_t type) {
  ResetEngineState();
  // The limits come from the built-in defaults: the settings file named here does not exist.
  IniRegisterFile((std::filesystem::temp_directory_path() / "kavo_bench_absent.ini").string());
  LoadSimTypeTables(type);
  gSimType = type;
  gNumPts = kPoints;
  RedimSpectrum(kPoints);
  gHzPerPt = gSpectHz / kPoints;
  gPointStep = 1;
}

void BM_CalcSpectrum(benchmark::State& state) {
  SelectType(static_cast<int16_t>(state.range(0)));
  for (auto _ : state) {
    CalcSpectrum(1);
    benchmark::DoNotOptimize(gSpectrum.data());
  }
  state.counters["lines"] = gNumLines;
}

BENCHMARK(BM_CalcSpectrum)->DenseRange(0, kTypes - 1)->Unit(benchmark::kMicrosecond);

}  // namespace
