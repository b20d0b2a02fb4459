// The population model of the five-site type, fed from "Kavo 5 Spin LiI Pelko".
#include "engine/custom_population.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "tests/engine/engine_fixture.h"

namespace {

class CustomPopulationTest : public EngineTest {
 protected:
  // Runs the model on pa 20, pb 30, pc 15, pd 25 at temperature T; returns pd.
  float Run(float T) {
    float pa = 20.0f, pb = 30.0f, pc = 15.0f, pd = 25.0f;
    CustomPopulation(pa, pb, pc, pd, T);
    EXPECT_EQ(pa, 20.0f);
    EXPECT_EQ(pb, 30.0f);
    EXPECT_EQ(pc, 15.0f);
    return pd;
  }
  void Section(const std::string& keys) { WriteSettings("[Kavo 5 Spin LiI Pelko]\r\n" + keys); }
};

TEST_F(CustomPopulationTest, ComputesThePopulationFromTheEquilibrium) {
  Section("OK= OK \r\nLiConc=1\r\nIConc=0.35\r\nDeltaH=0\r\nDeltaS=0\r\n");
  EXPECT_NEAR(Run(298.0f), 27.386, 0.001);  // sqrt(0.3) / 0.02
  EXPECT_TRUE(boxes.empty());

  // K = exp((dS T - dH 1000) / (T R)); an exothermic equilibrium lowers pd.
  Section("OK=OK\r\nLiConc=1\r\nIConc=0.35\r\nDeltaH=-1\r\nDeltaS=-2\r\n");
  const double K = std::exp((-2.0 * 250.0 + 1000.0) / (250.0 * 1.987));
  EXPECT_NEAR(Run(250.0f), std::sqrt(0.3 / K) / 0.02, 1e-3);
}

TEST_F(CustomPopulationTest, InactiveUnlessOkReadsOk) {
  for (const char* settings : {"", "[Kavo 5 Spin LiI Pelko]\r\nOK=ok\r\nLiConc=1\r\n",
                               "[Kavo 5 Spin LiI Pelko]\r\nOK=YES\r\n"}) {
    WriteSettings(settings);
    EXPECT_EQ(Run(298.0f), 25.0f);
  }
  EXPECT_TRUE(boxes.empty());
}

TEST_F(CustomPopulationTest, FirstMissingInputIsReportedAndPdKept) {
  struct Case {
    std::string keys;
    float T;
    std::string message;
  };
  const Case cases[] = {
      {"LiConc=1\r\nIConc=0.35\r\nDeltaH=0\r\nDeltaS=0\r\n", 9.99f, "No Temperature specified"},
      {"IConc=0.35\r\nDeltaH=0\r\nDeltaS=0\r\n", 298.0f, "No Li Concentration specified"},
      {"LiConc=1\r\nDeltaH=0\r\nDeltaS=0\r\n", 298.0f, "No Li Concentration specified"},
      {"LiConc=1\r\nIConc=0.35\r\nDeltaS=0\r\n", 298.0f, "No Delta H specified"},
      {"LiConc=1\r\nIConc=0.35\r\nDeltaH=-999\r\n", 298.0f, "No Delta H specified"},
      {"LiConc=1\r\nIConc=0.35\r\nDeltaH=0\r\n", 298.0f, "No Delta S specified"},
      // Inputs the arithmetic cannot use: a negative concentration, an overflowing exponent.
      {"LiConc=1\r\nIConc=-0.35\r\nDeltaH=0\r\nDeltaS=0\r\n", 298.0f,
       "No valid population from these values"},
      {"LiConc=1\r\nIConc=0.35\r\nDeltaH=-900\r\nDeltaS=0\r\n", 12.0f,
       "No valid population from these values"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    boxes.Clear();
    Section("OK=OK\r\n" + c.keys);
    EXPECT_EQ(Run(c.T), 25.0f);
    ASSERT_EQ(boxes.count(), 1u);
    EXPECT_EQ(boxes.last().text, c.message);
    EXPECT_EQ(boxes.last().style, vbOKOnly);
    EXPECT_EQ(boxes.last().title, DefaultMsgBoxTitle());
  }
}

}  // namespace
