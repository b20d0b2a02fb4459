#include "engine/nspin_core.h"
#include "engine/jacobi_vector.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "tests/engine/oracle/spin_oracle.h"

namespace {

// Shifts and couplings in the engine's layout, built from an oracle system.
struct EngineInput {
  std::array<float, 9> shift{};
  std::array<float, 81> j{};
  explicit EngineInput(const OracleSystem& sys) {
    const int n = static_cast<int>(sys.shift.size());
    for (int k = 1; k <= n; ++k) shift[k] = static_cast<float>(sys.shift[k - 1]);
    for (int k = 1; k <= n; ++k)
      for (int l = k + 1; l <= n; ++l) {
        j[k + 9 * l] = static_cast<float>(sys.j[k - 1][l - 1]);
        j[l + 9 * k] = static_cast<float>(sys.j[k - 1][l - 1]) * 0.5f;
      }
  }
};

struct SpinRun {
  NSpinResult result;
  std::vector<float> freq;
  std::vector<float> intensity;
  std::vector<OracleLine> Lines() const {
    std::vector<OracleLine> lines;
    for (int i = 1; i <= result.count; ++i) lines.push_back({freq[i], intensity[i]});
    return lines;
  }
};

SpinRun Analyse(const OracleSystem& sys, float minIntensity = 1e-9f, float low = -1e6f,
            float high = 1e6f, int room = kNSpinMaxLines + 1) {
  const EngineInput in(sys);
  SpinRun run;
  run.freq.assign(room, -7.0f);
  run.intensity.assign(room, -7.0f);
  run.result = NSpinAnalyse(in.shift, in.j, static_cast<int>(sys.shift.size()), minIntensity, low,
                            high, run.freq, run.intensity);
  return run;
}

OracleSystem TwoSpins(double v1, double v2, double j) {
  OracleSystem sys(2);
  sys.shift = {v1, v2};
  sys.Couple(0, 1, j);
  return sys;
}

OracleSystem RandomSystem(int n, unsigned seed, double shiftSpread) {
  std::mt19937 rng(seed);
  std::uniform_real_distribution<double> shift(100.0, 100.0 + shiftSpread);
  std::uniform_real_distribution<double> coupling(-18.0, 18.0);
  OracleSystem sys(n);
  for (int k = 0; k < n; ++k) sys.shift[k] = shift(rng);
  for (int k = 0; k < n; ++k)
    for (int l = k + 1; l < n; ++l) sys.Couple(k, l, coupling(rng));
  return sys;
}

// Lines come by block pair, then lower eigenstate, then upper eigenstate. Uncoupled spins keep
// the basis states (codes increasing within a block), so every step of that order shows.
TEST(NSpinAnalyse, LinesInBlockOrder) {
  OracleSystem three(3);
  three.shift = {100, 200, 300};
  struct Case {
    OracleSystem sys;
    std::vector<std::pair<double, double>> lines;  // position, intensity
  } cases[] = {
      {TwoSpins(100, 110, 10),
       {{102.929, 1.7071}, {117.071, 0.2929}, {107.071, 1.7071}, {92.929, 0.2929}}},
      {three,
       {{100, 1}, {200, 1}, {300, 1},                                        // from aaa
        {200, 1}, {300, 1}, {100, 1}, {300, 1}, {100, 1}, {200, 1},          // from baa, aba, aab
        {300, 1}, {200, 1}, {100, 1}}},                                      // from bba, bab, abb
  };
  for (const Case& c : cases) {
    const SpinRun run = Analyse(c.sys, 0.01f);
    ASSERT_EQ(run.result.count, static_cast<int>(c.lines.size()));
    EXPECT_FALSE(run.result.overflow);
    for (size_t i = 0; i < c.lines.size(); ++i) {
      SCOPED_TRACE(std::to_string(c.sys.shift.size()) + " spins, line " + std::to_string(i + 1));
      EXPECT_NEAR(run.freq[i + 1], c.lines[i].first, 0.0005);
      EXPECT_NEAR(run.intensity[i + 1], c.lines[i].second, 0.0001);
    }
  }
}

TEST(NSpinAnalyse, UncoupledSpinsGiveUnitLines) {
  const SpinRun run = Analyse(TwoSpins(100, 200, 0), 0.01f);
  ASSERT_EQ(run.result.count, 4);
  std::vector<float> freqs(run.freq.begin() + 1, run.freq.begin() + 5);
  std::sort(freqs.begin(), freqs.end());
  EXPECT_EQ(freqs, (std::vector<float>{100, 100, 200, 200}));
  for (int i = 1; i <= 4; ++i) EXPECT_FLOAT_EQ(run.intensity[i], 1.0f);
}

TEST(NSpinAnalyse, KeepsOnlyLinesInWindowAndAboveMinimum) {
  // AB quartet 92.929 (0.2929), 102.929, 107.071 (1.7071), 117.071 (0.2929)
  struct Case {
    float minIntensity, low, high;
    int count;
  } cases[] = {
      {0.01f, 0.0f, 1000.0f, 4},
      {0.3f, 0.0f, 1000.0f, 2},     // weak outer lines dropped
      {0.01f, 95.0f, 110.0f, 2},    // window
      {0.01f, 200.0f, 300.0f, 0},
  };
  for (const Case& c : cases) {
    const SpinRun run = Analyse(TwoSpins(100, 110, 10), c.minIntensity, c.low, c.high);
    EXPECT_EQ(run.result.count, c.count) << c.minIntensity << " " << c.low << " " << c.high;
    for (int i = 1; i <= run.result.count; ++i) {
      EXPECT_GE(run.intensity[i], c.minIntensity);
      EXPECT_GE(run.freq[i], c.low);
      EXPECT_LE(run.freq[i], c.high);
    }
  }
  // Bounds are inclusive: a window exactly on one line keeps it.
  const SpinRun all = Analyse(TwoSpins(100, 200, 0), 0.01f);
  const SpinRun edge = Analyse(TwoSpins(100, 200, 0), 0.01f, 100.0f, 100.0f);
  EXPECT_EQ(edge.result.count, 2);
  EXPECT_EQ(all.result.count, 4);
}

TEST(NSpinAnalyse, LineLimitStopsAndKeepsLinesInOrder) {
  const OracleSystem sys = RandomSystem(5, 3, 40);
  const SpinRun all = Analyse(sys, 0.01f);
  ASSERT_GT(all.result.count, 12);
  EXPECT_FALSE(all.result.overflow);
  const SpinRun cut = Analyse(sys, 0.01f, -1e6f, 1e6f, 11);  // room for lines 1 to 10
  EXPECT_TRUE(cut.result.overflow);
  ASSERT_EQ(cut.result.count, 10);
  for (int i = 1; i <= 10; ++i) {
    EXPECT_EQ(cut.freq[i], all.freq[i]);
    EXPECT_EQ(cut.intensity[i], all.intensity[i]);
  }
  // Exactly as many lines as room: no overflow.
  const SpinRun exact = Analyse(sys, 0.01f, -1e6f, 1e6f, all.result.count + 1);
  EXPECT_FALSE(exact.result.overflow);
  EXPECT_EQ(exact.result.count, all.result.count);
}

TEST(NSpinAnalyse, EightStrongCouplingsStopAtSixThousandLines) {
  // Close shifts and large couplings give more than 6000 allowed transitions above 1e-9.
  const OracleSystem sys = RandomSystem(8, 5, 10);
  const SpinRun run = Analyse(sys, 1e-9f);
  EXPECT_TRUE(run.result.overflow);
  EXPECT_EQ(run.result.count, kNSpinMaxLines);
}

TEST(NSpinAnalyse, AgreesWithFullHamiltonian) {
  struct Case {
    int n;
    unsigned seed;
    double spread;  // Hz over which the shifts are spread
  } cases[] = {
      {2, 1, 5},    {3, 2, 30},  {3, 3, 0.5}, {4, 4, 20},  {4, 5, 200}, {5, 6, 15},
      {5, 7, 60},   {6, 8, 40},  {6, 9, 8},   {7, 10, 50}, {7, 11, 20}, {8, 12, 300},
      {8, 13, 300}, {8, 14, 600},
  };
  for (const Case& c : cases) {
    const OracleSystem sys = RandomSystem(c.n, c.seed, c.spread);
    // Weak lines are left out on both sides: eight strongly coupled spins have more than 6000
    // transitions above 1e-4.
    const float minIntensity = c.n < 8 ? 1e-4f : 1e-3f;
    const SpinRun run = Analyse(sys, minIntensity);
    ASSERT_FALSE(run.result.overflow) << c.n << " spins, seed " << c.seed;
    EXPECT_EQ(
        CompareStickSpectra(run.Lines(), OracleSpectrum(sys, minIntensity), 0.001, 0.001), "")
        << c.n << " spins, seed " << c.seed;
  }
}

TEST(NSpinAnalyse, DegenerateSystemsAgreeWithFullHamiltonian) {
  // Equal shifts, equal couplings, an AA'BB' pattern and uncoupled equal spins.
  OracleSystem equal(4);
  equal.shift = {150, 150, 150, 150};
  for (int k = 0; k < 4; ++k)
    for (int l = k + 1; l < 4; ++l) equal.Couple(k, l, 7);
  OracleSystem aabb(4);
  aabb.shift = {100, 120, 100, 120};
  aabb.Couple(0, 2, 2);
  aabb.Couple(1, 3, 3);
  aabb.Couple(0, 1, 8);
  aabb.Couple(2, 3, 8);
  aabb.Couple(0, 3, 1.5);
  aabb.Couple(1, 2, 1.5);
  OracleSystem free(6);
  free.shift = {50, 50, 50, 80, 80, 80.0004};
  OracleSystem near(5);
  near.shift = {100, 100.00005, 130, 130.00002, 160};
  for (int k = 0; k < 5; ++k)
    for (int l = k + 1; l < 5; ++l) near.Couple(k, l, k + l == 4 ? 0.0 : 3.0 + k - l);
  for (const OracleSystem* sys : {&equal, &aabb, &free, &near}) {
    const SpinRun run = Analyse(*sys);
    EXPECT_EQ(CompareStickSpectra(run.Lines(), OracleSpectrum(*sys), 0.001, 0.001), "")
        << sys->shift.size() << " spins";
  }
}

}  // namespace

namespace {

// Four lanes where the processor has AVX2 (JacobiDiag takes eight where it has AVX-512).
void FourLanes(SpinBlockMatrix& A, SpinBlockMatrix& V, int n) {
  if (!JacobiDiagVector(A, V, n, 4)) JacobiDiagFullScan(A, V, n);
}

// The vector pivot search must leave the line list of the full scan unchanged, bit for bit and
// in order (the fast broadening depends on the order): random shifts, near-degenerate and
// strongly coupled ones, equal couplings, degenerate shifts without couplings, and a line list
// cut short by its room.
TEST(NSpinAnalyse, PivotSearchDoesNotChangeTheLineList) {
  enum Kind { kRandom, kEqualCouplings, kNearDegenerate, kWithinOneHz, kUncoupledDegenerate };
  struct Case {
    int n;
    unsigned seed;
    double spread;
    Kind kind;
    size_t room;
  } cases[] = {
      {8, 21, 30, kRandom, 6001},         {8, 22, 300, kRandom, 6001},
      {7, 23, 10, kEqualCouplings, 6001}, {6, 24, 60, kRandom, 6001},
      {8, 25, 0, kNearDegenerate, 6001},  {8, 26, 1, kWithinOneHz, 6001},
      {6, 27, 0, kUncoupledDegenerate, 6001}, {8, 28, 300, kRandom, 101},
  };
  for (const Case& c : cases) {
    OracleSystem sys = RandomSystem(c.n, c.seed, c.spread);
    for (int k = 0; k < c.n; ++k) {
      if (c.kind == kNearDegenerate) sys.shift[k] = 150 + 0.001 * (k + 1);
      if (c.kind == kUncoupledDegenerate) sys.shift[k] = k < 3 ? 120 : 140;
      for (int l = k + 1; l < c.n; ++l) {
        if (c.kind == kEqualCouplings) sys.Couple(k, l, 7.0);  // many ties for the search
        if (c.kind == kUncoupledDegenerate) sys.Couple(k, l, 0.0);
      }
    }
    const EngineInput in(sys);
    std::vector<float> f1(c.room), i1(c.room), f2(c.room), i2(c.room);
    const NSpinResult full =
        NSpinAnalyse(in.shift, in.j, c.n, 0.01f, 0, 1000, f2, i2, JacobiDiagFullScan);
    for (BlockDiagonaliser diagonalise : {JacobiDiag, FourLanes}) {
      const NSpinResult fast =
          NSpinAnalyse(in.shift, in.j, c.n, 0.01f, 0, 1000, f1, i1, diagonalise);
      ASSERT_EQ(fast.count, full.count) << "seed " << c.seed;
      ASSERT_EQ(fast.overflow, full.overflow) << "seed " << c.seed;
      EXPECT_EQ(fast.overflow, c.room < 6001) << "seed " << c.seed;
      ASSERT_GT(fast.count, 0);
      EXPECT_EQ(f1, f2) << "seed " << c.seed;
      EXPECT_EQ(i1, i2) << "seed " << c.seed;
    }
  }
}

// A digest of a line list: count, overflow flag and the bits of every position and intensity.
uint64_t LineListDigest(const std::vector<float>& freq, const std::vector<float>& intensity,
                        const NSpinResult& r) {
  uint64_t h = 1469598103934665603ULL;
  const auto mix = [&h](uint32_t v) {
    for (int b = 0; b < 4; ++b) {
      h ^= (v >> (8 * b)) & 0xff;
      h *= 1099511628211ULL;
    }
  };
  mix(static_cast<uint32_t>(r.count));
  mix(r.overflow ? 1 : 0);
  for (int k = 1; k <= r.count; ++k) {
    uint32_t f;
    uint32_t i;
    std::memcpy(&f, &freq[static_cast<size_t>(k)], sizeof f);
    std::memcpy(&i, &intensity[static_cast<size_t>(k)], sizeof i);
    mix(f);
    mix(i);
  }
  return h;
}

// The line lists, to the last bit, that the analysis gave before its vector kernels and its
// transition products were written (digests recorded then): type 34 at its defaults, random
// couplings with near-degenerate shifts, with all shifts within 1 Hz, seven spins with equal
// couplings, and a list cut short by its room. Every diagonaliser must give them.
TEST(NSpinAnalyse, LineListsAsRecorded) {
  enum Kind { kType34, kNearDegenerate, kWithinOneHz, kEqualCouplings, kSpread };
  struct Case {
    Kind kind;
    int n;
    uint32_t seed;
    size_t room;
    int count;
    bool overflow;
    uint64_t digest;
  } cases[] = {
      {kType34, 8, 0, 6001, 1216, false, 0xf09025d9cf19857aULL},
      {kNearDegenerate, 8, 1, 6001, 186, false, 0xe3166d3682169dffULL},
      {kWithinOneHz, 8, 3, 6001, 284, false, 0x53074d1001fc3b29ULL},
      {kEqualCouplings, 7, 5, 6001, 448, false, 0x52c7081511628bf9ULL},
      {kSpread, 8, 2, 101, 100, true, 0x6066e89da864ec0eULL},
  };
  for (const Case& c : cases) {
    std::array<float, 9> shift{};
    std::array<float, 81> j{};
    const auto couple = [&j](int a, int b, float J) {
      j[static_cast<size_t>(a + 9 * b)] = J;
      j[static_cast<size_t>(b + 9 * a)] = J * 0.5f;
    };
    if (c.kind == kType34) {
      shift = {0, 85, 120, 160, 185, 205, 215, 235, 260};
      const float J[28] = {-12, 6, 0, 0, 0, 2, 0, 0, 0, 14, 0, 0, 3, 0,
                           0,   3, 0, 0, 0, 5, 0, 0, 2, 0,  0, 0, 0, 12};
      int k = 0;
      for (int a = 1; a <= 8; ++a)
        for (int b = a + 1; b <= 8; ++b) couple(a, b, J[k++]);
    } else {
      uint32_t seed = c.seed;
      const auto next = [&seed] {
        seed = seed * 1664525u + 1013904223u;
        return static_cast<float>(seed >> 8) / static_cast<float>(1u << 24);
      };
      for (int a = 1; a <= c.n; ++a)
        shift[static_cast<size_t>(a)] = c.kind == kNearDegenerate ? 150 + 0.001f * a
                                        : c.kind == kWithinOneHz  ? 200 + next()
                                                                  : 100 + 300 * next();
      for (int a = 1; a <= c.n; ++a)
        for (int b = a + 1; b <= c.n; ++b)
          couple(a, b, c.kind == kEqualCouplings ? 7.0f : 40 * next() - 20);
    }
    for (BlockDiagonaliser diagonalise : {JacobiDiag, FourLanes, JacobiDiagColumnMax}) {
      std::vector<float> freq(c.room);
      std::vector<float> intensity(c.room);
      const NSpinResult r =
          NSpinAnalyse(shift, j, c.n, 0.01f, -1000, 1000, freq, intensity, diagonalise);
      EXPECT_EQ(r.count, c.count) << c.kind;
      EXPECT_EQ(r.overflow, c.overflow) << c.kind;
      EXPECT_EQ(LineListDigest(freq, intensity, r), c.digest) << c.kind;
    }
  }
}

}  // namespace
