// Coupled spins: the quantum-mechanical analysis plus broadening onto a 2000-point window, as on
// every step of a dragged handle: type 34 at its defaults and the hardest fully coupled sets of
// eight (near-degenerate shifts converge slowest), and random sets of 2 to 7 spins, each on one
// thread and on several (argument "threads"). Two cases also run with the plain full scan of the
// upper triangle and with four lanes instead of eight (same lines, for comparison).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>

#include "drawlib/ini/libr_ini.h"
#include "engine/broadening.h"
#include "engine/engine_globals.h"
#include "engine/jacobi_vector.h"
#include "engine/nspin_core.h"
#include "engine/sim_catalogue.h"
#include "engine/worker_pool.h"

namespace {

constexpr int kPoints = 2000;

void SetCoupling(int a, int b, float J) {
  JMatrixAt(a, b) = J;
  JMatrixAt(b, a) = J * 0.5f;
}

void SetGrid(float offset, float width) {
  gHorOffHz = offset;
  gSpectHz = width;
  gNumPts = kPoints;
  gHzPerPt = width / kPoints;
  RedimSpectrum(kPoints);
  EnsureLineCapacity(kNSpinMaxLines);
}

// Type 34 (eight spins) at its catalogue defaults, read as the calculation reads them.
float SetUpType34() {
  ResetEngineState();
  // The limits come from the built-in defaults: the settings file named here does not exist.
  IniRegisterFile((std::filesystem::temp_directory_path() / "kavo_bench_absent.ini").string());
  SimTypeRec& rec = gSimTypes[34];
  SimTypeSetup(rec, 34);
  float offset = 0;
  float width = 0;
  for (int i = 0; i <= rec.LastPar; ++i) {
    if (rec.Par[i].Flags & kParSpecWidth) width = rec.Par[i].Value;
    if (rec.Par[i].Flags & kParOffset) offset = rec.Par[i].Value;
  }
  for (int a = 1; a <= 8; ++a) gShiftHz[a] = rec.Par[a - 1].Value;
  int c = 8;
  for (int a = 1; a <= 8; ++a)
    for (int b = a + 1; b <= 8; ++b) SetCoupling(a, b, rec.Par[c++].Value);
  gVertMult = rec.VertMult;
  SetGrid(offset, width);
  return rec.Par[rec.LastPar].Value;
}

// Every one of the 28 couplings non-zero (-19.5 to 15.5 Hz), shifts spread over 280 Hz.
float SetUpFullyCoupled() {
  ResetEngineState();
  // The limits come from the built-in defaults: the settings file named here does not exist.
  IniRegisterFile((std::filesystem::temp_directory_path() / "kavo_bench_absent.ini").string());
  const float shifts[8] = {100, 135, 160, 210, 240, 300, 330, 380};
  for (int a = 1; a <= 8; ++a) gShiftHz[a] = shifts[a - 1];
  int c = 0;
  for (int a = 1; a <= 8; ++a)
    for (int b = a + 1; b <= 8; ++b, ++c)
      SetCoupling(a, b, 1.5f + static_cast<float>((c * 7) % 15) * (c % 3 == 0 ? -1.0f : 1.0f));
  gVertMult = 1;
  SetGrid(0, 500);
  return 1.0f;
}

// n shifts from `shift(i)` and every coupling drawn evenly from -20 to +20 Hz (fixed seed).
template <class Shift>
float SetUpRandomCouplings(unsigned seed, Shift shift, int n = 8) {
  ResetEngineState();
  // The limits come from the built-in defaults: the settings file named here does not exist.
  IniRegisterFile((std::filesystem::temp_directory_path() / "kavo_bench_absent.ini").string());
  std::mt19937 rng(seed);
  std::uniform_real_distribution<float> coupling(-20.0f, 20.0f);
  for (int a = 1; a <= n; ++a) gShiftHz[a] = shift(a, rng);
  for (int a = 1; a <= n; ++a)
    for (int b = a + 1; b <= n; ++b) SetCoupling(a, b, coupling(rng));
  gVertMult = 1;
  SetGrid(0, 500);
  return 1.0f;
}

// Shift of spin i = 150 + 0.001 i Hz.
float SetUpNearDegenerate() {
  return SetUpRandomCouplings(1, [](int a, std::mt19937&) { return 150 + 0.001f * a; });
}

// Shifts drawn from 100 to 400 Hz.
float SetUpRandomSet() {
  return SetUpRandomCouplings(2, [](int, std::mt19937& rng) {
    return std::uniform_real_distribution<float>(100.0f, 400.0f)(rng);
  });
}

// Every shift within 1 Hz of 200 Hz: strongly coupled throughout.
float SetUpWithinOneHz() {
  return SetUpRandomCouplings(3, [](int, std::mt19937& rng) {
    return std::uniform_real_distribution<float>(200.0f, 201.0f)(rng);
  });
}

// n spins with shifts drawn from 100 to 400 Hz.
float SetUpSpins(int n) {
  return SetUpRandomCouplings(
      4, [](int, std::mt19937& rng) {
        return std::uniform_real_distribution<float>(100.0f, 400.0f)(rng);
      },
      n);
}

// The calculation and broadening of n spins on as many threads as the argument "threads" asks.
template <class SetUp>
void RunOn(benchmark::State& state, int n, SetUp setUp, BlockDiagonaliser diagonalise) {
  const float width = setUp();
  SetEngineThreads(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    const NSpinResult r = NSpinAnalyse(gShiftHz, gJMatrix, n, 0.01f, gHorOffHz,
                                       gHorOffHz + gSpectHz, gLineFreq, gLineInt, diagonalise);
    gNumLines = static_cast<int16_t>(r.count);
    if (gNumLines < 35)
      LorentzSum(gSpectrum, gNumLines, width, gHorOffHz, gVertMult);
    else
      LineBroadenFast(gSpectrum, gNumLines, width, gHorOffHz, gVertMult);
    benchmark::DoNotOptimize(gSpectrum.data());
  }
  state.counters["lines"] = gNumLines;
  SetEngineThreads(0);
}

void Run(benchmark::State& state, float (*setUp)(), BlockDiagonaliser diagonalise) {
  RunOn(state, 8, setUp, diagonalise);
}

// The analysis with four lanes (AVX2), as on processors without AVX-512; where the processor
// lacks AVX2 too, the full scan.
void FourLanes(SpinBlockMatrix& A, SpinBlockMatrix& V, int n) {
  if (n < 2 || !JacobiDiagVector(A, V, n, 4)) JacobiDiagFullScan(A, V, n);
}

void BM_Type34Defaults(benchmark::State& s) { Run(s, SetUpType34, JacobiDiag); }
void BM_Type34DefaultsFourLanes(benchmark::State& s) { Run(s, SetUpType34, FourLanes); }
void BM_Type34DefaultsFullScan(benchmark::State& s) { Run(s, SetUpType34, JacobiDiagFullScan); }
void BM_FullyCoupledEight(benchmark::State& s) { Run(s, SetUpFullyCoupled, JacobiDiag); }
void BM_FullyCoupledEightFullScan(benchmark::State& s) {
  Run(s, SetUpFullyCoupled, JacobiDiagFullScan);
}
void BM_NearDegenerateEight(benchmark::State& s) { Run(s, SetUpNearDegenerate, JacobiDiag); }
void BM_NearDegenerateEightFourLanes(benchmark::State& s) {
  Run(s, SetUpNearDegenerate, FourLanes);
}
void BM_RandomEight(benchmark::State& s) { Run(s, SetUpRandomSet, JacobiDiag); }
void BM_WithinOneHzEight(benchmark::State& s) { Run(s, SetUpWithinOneHz, JacobiDiag); }
void BM_Spins(benchmark::State& s) {
  const int n = static_cast<int>(s.range(1));
  RunOn(s, n, [n] { return SetUpSpins(n); }, JacobiDiag);
}

// One thread, as before the blocks were shared out, then two, four and eight.
void Threads(benchmark::internal::Benchmark* b) {
  b->ArgName("threads")->Arg(1)->Arg(2)->Arg(4)->Arg(8)->Unit(benchmark::kMillisecond);
}
void OneThread(benchmark::internal::Benchmark* b) {
  b->ArgName("threads")->Arg(1)->Unit(benchmark::kMillisecond);
}
BENCHMARK(BM_Type34Defaults)->Apply(Threads);
BENCHMARK(BM_Type34DefaultsFourLanes)->Apply(OneThread);
BENCHMARK(BM_Type34DefaultsFullScan)->Apply(OneThread);
BENCHMARK(BM_FullyCoupledEight)->Apply(Threads);
BENCHMARK(BM_FullyCoupledEightFullScan)->Apply(OneThread);
BENCHMARK(BM_NearDegenerateEight)->Apply(Threads);
BENCHMARK(BM_NearDegenerateEightFourLanes)->Apply(OneThread);
BENCHMARK(BM_RandomEight)->Apply(Threads);
BENCHMARK(BM_WithinOneHzEight)->Apply(Threads);
// Two to seven spins (shifts 100 to 400 Hz, all couplings), on one thread and on four.
BENCHMARK(BM_Spins)
    ->ArgNames({"threads", "spins"})
    ->ArgsProduct({{1, 4}, {2, 3, 4, 5, 6, 7}})
    ->Unit(benchmark::kMicrosecond);

}  // namespace
