// Eight coupled spins: the quantum-mechanical analysis plus broadening onto a 2000-point window,
// as on every step of a dragged handle.
#include <benchmark/benchmark.h>

#include <array>
#include <vector>

#include "engine/nspin_core.h"

namespace {

struct EightSpins {
  std::array<float, 9> shift{};
  std::array<float, 81> j{};
};

// Every one of the 28 couplings non-zero, shifts spread over 280 Hz.
EightSpins FullyCoupled() {
  EightSpins s;
  const float shifts[8] = {100, 135, 160, 210, 240, 300, 330, 380};
  for (int k = 1; k <= 8; ++k) s.shift[k] = shifts[k - 1];
  int c = 0;
  for (int k = 1; k <= 8; ++k)
    for (int l = k + 1; l <= 8; ++l) {
      const float J = 1.5f + static_cast<float>((c * 7) % 15) * (c % 3 == 0 ? -1.0f : 1.0f);
      s.j[k + 9 * l] = J;
      s.j[l + 9 * k] = J * 0.5f;
      ++c;
    }
  return s;
}

void Analyse(benchmark::State& state, BlockDiagonaliser diagonalise) {
  const EightSpins s = FullyCoupled();
  std::vector<float> freq(6001), intensity(6001);
  int lines = 0;
  for (auto _ : state) {
    const NSpinResult r =
        NSpinAnalyse(s.shift, s.j, 8, 0.01f, 0.0f, 500.0f, freq, intensity, diagonalise);
    lines = r.count;
    benchmark::DoNotOptimize(freq.data());
  }
  state.counters["lines"] = lines;
}

void BM_FullyCoupledEight(benchmark::State& state) { Analyse(state, JacobiDiag); }
void BM_FullyCoupledEightFullScanPivot(benchmark::State& state) {
  Analyse(state, JacobiDiagFullScan);
}
BENCHMARK(BM_FullyCoupledEight)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FullyCoupledEightFullScanPivot)->Unit(benchmark::kMillisecond);

}  // namespace
