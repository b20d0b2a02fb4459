// Benchmarks of the engine: a simulation type selected with its default parameters, as the main
// window does, on a grid of `points` points with every point evaluated (step 1).
#pragma once

#include <cstdint>
#include <filesystem>

#include "drawlib/ini/libr_ini.h"
#include "engine/engine_globals.h"
#include "engine/type_tables.h"

inline void SelectTypeForBench(int16_t type, int points) {
  ResetEngineState();
  // The limits come from the built-in defaults: the settings file named here does not exist.
  IniRegisterFile((std::filesystem::temp_directory_path() / "kavo_bench_absent.ini").string());
  LoadSimTypeTables(type);  // also the current type
  gNumPts = points;
  RedimSpectrum(points);
  gHzPerPt = gSpectHz / points;
  gPointStep = 1;
}
