// Pasted peak lists: a database listing becomes type 44 with its lines; headings, weak lines and
// short lines are dropped; blanks and commas separate alike; texts without "ppm" change nothing.
#include <gtest/gtest.h>

#include <string>

#include "documents/spec_record.h"
#include "engine/engine_globals.h"
#include "mainwin/peak_pick_import.h"
#include "tests/support/process_state.h"

namespace {

class PeakPickImportTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetProcessState(); }
  void TearDown() override { ResetProcessState(); }
};

// A listing as spectral databases give it: a heading, blank-separated columns, LF line ends.
const char kListing[] =
    "Hz        ppm     Int.\n"
    "3638.75   9.096    142\n"
    "3630.25   9.076    156\n"
    "2941.00   7.353   1000\n"
    "2933.50   7.334    980\n";

TEST_F(PeakPickImportTest, APastedListingBecomesThePeakListType) {
  gSimType = 2;
  gLastPar = 7;
  gLineFit = -1;
  gSpec.MHz = 90;
  EXPECT_EQ(PeakPickImport(kListing), -1);
  EXPECT_EQ(gSimType, 44);
  EXPECT_EQ(gLineFit, 0);
  EXPECT_FLOAT_EQ(gSimPar[7].Value, 0.7f);
  ASSERT_EQ(gNumLines, 4);
  const float freq[] = {0, 3638.75f, 3630.25f, 2941.0f, 2933.5f};
  const float intensity[] = {0, 0.142f, 0.156f, 1.0f, 0.98f};
  for (int i = 0; i <= 4; ++i) {
    EXPECT_FLOAT_EQ(gLineFreq[static_cast<size_t>(i)], freq[i]) << i;
    EXPECT_FLOAT_EQ(gLineInt[static_cast<size_t>(i)], intensity[i]) << i;
  }
  EXPECT_NEAR(gSpec.MHz, 3638.75 / 9.096, 1e-3);
}

TEST_F(PeakPickImportTest, WhichLinesAreRead) {
  struct Case {
    const char* name;
    std::string text;
    int count;
    float firstFreq, firstShift;  // of line 1 (shift through the MHz, 0: none derived)
  };
  const Case cases[] = {
      {"heading only", "Hz ppm Int\r\n", 0, 0, 0},
      {"below 1 dropped, 1 kept", "100.0 1.0 0.5\r\n200.0 2.0 1\r\n", 1, 200, 2},
      {"commas", "100.0,0.25,10\r\n200.0,0.5,20\r\n", 2, 100, 0.25f},
      {"ten blanks", "100.0          0.25 10 ppm\r\n", 1, 100, 0.25f},
      {"eleven blanks: empty shift", "100.0           2.5 10 ppm\r\n", 1, 100, 0},
      {"six blanks at the end", "100.0 0.25 10 ppm      \r\n200.0 0.5 20 ppm\r\n", 2, 100, 0.25f},
      {"ten characters or fewer", "1 0.1 5ppm\r\n12 0.125 50\r\n", 1, 12, 0.125f},
      {"lone CR line ends", "100.0 0.25 10 ppm\r200.0 0.5 20\r", 2, 100, 0.25f},
      {"far beyond the float range", "1e999 1e-999 1e999 ppm\r\n", 1, 3.4028235e38f, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string text = c.text.find("ppm") == std::string::npos ? c.text + "ppm" : c.text;
    PeakList list;
    EXPECT_EQ(ParsePeakList(text, list), c.count > 0);
    ASSERT_EQ(list.count, c.count);
    ASSERT_EQ(list.freq.size(), static_cast<size_t>(c.count + 1));
    if (c.count == 0) continue;
    EXPECT_FLOAT_EQ(list.freq[1], c.firstFreq);
    EXPECT_EQ(list.hasMHz, c.firstShift != 0);
    if (c.firstShift != 0) {
      EXPECT_FLOAT_EQ(list.mhz, c.firstFreq / c.firstShift);
    }
    for (float v : list.intensity) EXPECT_TRUE(v >= 0 && v <= 1);
  }
}

TEST_F(PeakPickImportTest, TheFrequencyComesFromTheFirstLineWithAShift) {
  PeakList list;
  ASSERT_TRUE(ParsePeakList("0.0 0.000 5 ppm\r\n800.0 2.000 9\r\n900.0 3.000 9\r\n", list));
  EXPECT_TRUE(list.hasMHz);
  EXPECT_FLOAT_EQ(list.mhz, 400);
  // With no shift at all the spectrometer frequency stays as it was.
  gSpec.MHz = 250;
  EXPECT_EQ(PeakPickImport("100.0 0 5 ppm\r\n"), -1);
  EXPECT_FLOAT_EQ(gSpec.MHz, 250);
}

TEST_F(PeakPickImportTest, NothingChangesWithoutAList) {
  gSimType = 2;
  gNumLines = 7;
  for (const char* text : {"", "3638.75 9.096 142 PPM\r\n", "Hz ppm Int.\r\n1 2 3\r\n"}) {
    EXPECT_EQ(PeakPickImport(text), 0) << text;
    EXPECT_EQ(gSimType, 2);
    EXPECT_EQ(gNumLines, 7);
  }
}

TEST_F(PeakPickImportTest, TheLineListOnlyGrows) {
  RedimLineList(5000);
  EXPECT_EQ(PeakPickImport(kListing), -1);
  EXPECT_EQ(LineListUBound(), 5000);
  std::string many = "ppm\n";
  for (int i = 0; i < 6000; ++i) many += "1000.0 2.5 " + std::to_string(i + 1) + "\n";
  EXPECT_EQ(PeakPickImport(many), -1);
  EXPECT_EQ(gNumLines, 6000);
  EXPECT_GE(LineListUBound(), 6000);
  EXPECT_FLOAT_EQ(gLineInt[6000], 1.0f);
}

}  // namespace
