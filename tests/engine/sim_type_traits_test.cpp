#include <gtest/gtest.h>

#include <set>

#include "engine/engine_globals.h"
#include "engine/sim_type_traits.h"

namespace {

// Each trait against the types that have it, written out independently of the catalogue; types
// just outside 0..44 have none.
TEST(SimTypeTraitsTest, EachTraitHoldsForItsTypesOnly) {
  struct Case {
    const char* trait;
    bool (*has)(int16_t);
    std::set<int> types;
  };
  std::set<int> allButNoMatrix;
  for (int t = 0; t < kSimTypeCount; ++t) allButNoMatrix.insert(t);
  for (int t : {0, 17, 27, 28, 32, 40}) allButNoMatrix.erase(t);
  const Case cases[] = {
      {"shows spectrum", ShowsSpectrumType, {0}},
      {"own line widths", HasOwnLineWidths, {13, 14, 39}},
      {"coupling tree", HasCouplingTree, {2, 9, 16}},
      {"exchange matrix", HasExchangeMatrix, allButNoMatrix},
  };
  for (const Case& c : cases) {
    for (int t = -1; t <= kSimTypeCount; ++t) {
      EXPECT_EQ(c.has(static_cast<int16_t>(t)), c.types.count(t) == 1)
          << c.trait << ", type " << t;
    }
  }
}

TEST(SimTypeTraitsTest, LoadedSpectrumIsShownInTypeZeroOrWhileLineFitting) {
  struct Case {
    int16_t type;
    int16_t lineFit;
    bool shown;
  };
  const Case cases[] = {{0, 0, true}, {0, -1, true}, {2, 0, false}, {2, -1, true},
                        {44, 0, false}, {13, 1, true}};
  const int16_t savedType = gSimType, savedFit = gLineFit;
  for (const Case& c : cases) {
    gSimType = c.type;
    gLineFit = c.lineFit;
    EXPECT_EQ(ShowsLoadedSpectrum(), c.shown) << "type " << c.type << ", fit " << c.lineFit;
  }
  gSimType = savedType;
  gLineFit = savedFit;
}

}  // namespace
