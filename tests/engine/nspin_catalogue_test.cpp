// The spin types of the catalogue at their defaults against the full spin Hamiltonian.
#include <gtest/gtest.h>

#include <vector>

#include "engine/analyses.h"
#include "engine/calc_spectrum.h"
#include "tests/engine/engine_fixture.h"
#include "tests/engine/oracle/spin_oracle.h"

namespace {

class NSpinCatalogueTest : public EngineTest {};

// The oracle system of the engine's current spin inputs.
OracleSystem FromEngineInputs(int n) {
  OracleSystem sys(n);
  for (int a = 1; a <= n; ++a) sys.shift[a - 1] = gShiftHz[a];
  for (int a = 1; a <= n; ++a)
    for (int b = a + 1; b <= n; ++b) sys.Couple(a - 1, b - 1, JMatrixAt(a, b));
  return sys;
}

TEST_F(NSpinCatalogueTest, DefaultsAgreeWithFullHamiltonian) {
  struct Case {
    int16_t type;
    int n;
  } cases[] = {{3, 3}, {4, 4}, {5, 5}, {6, 6}, {7, 7}, {34, 8}, {12, 4}};
  for (const Case& c : cases) {
    SelectType(c.type);
    SetGrid(2000);
    CalcSpectrum(-1);
    ASSERT_GT(gNumLines, 0) << "type " << c.type;
    for (int i = 1; i <= gNumLines; ++i) {
      EXPECT_GE(gLineInt[i], 0.01f);
      EXPECT_GE(gLineFreq[i], gHorOffHz);
      EXPECT_LE(gLineFreq[i], gHorOffHz + gSpectHz);
    }
    // Again with the weak lines kept, so that degenerate lines compare by their sums.
    const float low = gHorOffHz;
    const float high = gHorOffHz + gSpectHz;
    int16_t count = 0;
    int16_t overflow = 0;
    CalcNSpin(count, static_cast<int16_t>(c.n), 1e-4f, low, high, overflow);
    ASSERT_EQ(overflow, 0) << "type " << c.type;
    std::vector<OracleLine> lines;
    for (int i = 1; i <= count; ++i) lines.push_back({gLineFreq[i], gLineInt[i]});
    std::vector<OracleLine> expected;
    for (const OracleLine& l : OracleSpectrum(FromEngineInputs(c.n), 1e-4))
      if (l.freq >= low && l.freq <= high) expected.push_back(l);
    EXPECT_EQ(CompareStickSpectra(lines, expected, 0.001, 0.001), "") << "type " << c.type;
  }
  EXPECT_TRUE(boxes.empty());
}

}  // namespace
