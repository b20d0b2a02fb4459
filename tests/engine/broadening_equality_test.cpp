// The tabulated-kernel broadening against the point-by-point reference: every spectrum within
// 1e-5 of its largest value, over line sets that stress the cut-off, merging and grid ends.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "engine/broadening.h"
#include "tests/engine/engine_fixture.h"
#include "tests/engine/reference/broadening_reference.h"

namespace {

struct LineSet {
  std::string name;
  std::vector<std::pair<float, float>> lines;  // frequency (Hz), height
};

// Grid: 2000 points over 1000 Hz from offset 0 (0.5 Hz per point).
std::vector<LineSet> LineSets() {
  std::vector<LineSet> sets;
  std::mt19937 rng(5);
  std::uniform_real_distribution<float> freq(-20.0f, 1020.0f);  // some beyond either end
  std::uniform_real_distribution<float> height(0.0f, 3.0f);
  LineSet random{"6000 random lines", {}};
  for (int k = 0; k < 6000; ++k) random.lines.push_back({freq(rng), height(rng)});
  sets.push_back(random);
  LineSet crowded{"many lines on few points", {}};
  for (int k = 0; k < 3000; ++k)
    crowded.lines.push_back({500.0f + 0.05f * static_cast<float>(k % 40), 0.001f * (k % 97)});
  sets.push_back(crowded);
  LineSet edges{"lines at the grid ends and halves", {}};
  for (float f : {0.0f, 0.25f, 0.3f, 0.5f, 0.75f, 999.5f, 999.75f, 1000.0f, 250.25f, 250.75f})
    edges.lines.push_back({f, 1.0f});
  sets.push_back(edges);
  LineSet tiny{"weak and strong lines together", {}};
  for (int k = 0; k < 200; ++k)
    tiny.lines.push_back({100.0f + 4.0f * k, (k % 3 == 0) ? 1e-6f : (k % 3 == 1 ? 2e-5f : 500.0f)});
  sets.push_back(tiny);
  return sets;
}

class BroadeningEqualityTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    gSimType = 34;
    gNumPts = 2000;
    RedimSpectrum(2000);
    gHzPerPt = 0.5f;
    RedimLineList(6000);
  }
  void Load(const LineSet& set) {
    int k = 0;
    for (auto [f, h] : set.lines) {
      ++k;
      gLineFreq[static_cast<size_t>(k)] = f;
      gLineInt[static_cast<size_t>(k)] = h;
    }
    gNumLines = static_cast<int16_t>(k);
  }
};

using Broadener = void (*)(std::vector<float>&, int16_t, float, float, float);

TEST_F(BroadeningEqualityTest, SpectraMatchThePointByPointSum) {
  const struct {
    const char* name;
    Broadener fast;
    Broadener reference;
  } routines[] = {{"LorentzSum", &LorentzSum, &ReferenceLorentzSum},
                  {"LineBroadenFast", &LineBroadenFast, &ReferenceLineBroadenFast}};
  for (const LineSet& set : LineSets()) {
    Load(set);
    for (const auto& routine : routines) {
      for (float width : {0.0f, 0.7f, 3.0f, 40.0f}) {
        for (float vm : {1.0f, 10.0f, 1000.0f, 1e5f}) {
          std::vector<float> expected(2001, 7.0f);
          std::vector<float> actual(2001, 7.0f);
          routine.reference(expected, gNumLines, width, 0.0f, vm);
          routine.fast(actual, gNumLines, width, 0.0f, vm);
          float largest = 0;
          for (float v : expected) largest = std::max(largest, std::fabs(v));
          const std::string where = std::string(routine.name) + ", " + set.name + ", width " +
                                    std::to_string(width) + ", vm " + std::to_string(vm);
          EXPECT_EQ(actual[0], 7.0f) << where;  // element 0 is not touched
          for (int p = 1; p <= 2000; ++p) {
            ASSERT_LE(std::fabs(actual[static_cast<size_t>(p)] - expected[static_cast<size_t>(p)]),
                      1e-5f * largest)
                << where << ", point " << p;
            // A point the reference leaves empty (beyond every cut-off) stays empty.
            ASSERT_EQ(actual[static_cast<size_t>(p)] == 0, expected[static_cast<size_t>(p)] == 0)
                << where << ", point " << p;
          }
        }
      }
    }
  }
}

}  // namespace
