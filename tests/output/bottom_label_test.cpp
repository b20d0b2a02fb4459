#include <gtest/gtest.h>

#include "drawlib/pardata.h"
#include "engine/engine_globals.h"
#include "output/bottom_label.h"
#include "tests/output/output_fixture.h"

namespace {

class BottomLabelTest : public OutputTest {
 protected:
  void SetUp() override {
    OutputTest::SetUp();
    SetBottomLabelClock([] {
      std::tm t{};
      t.tm_year = 2024 - 1900;
      t.tm_mon = 2;
      t.tm_mday = 7;
      t.tm_hour = 9;
      t.tm_min = 5;
      t.tm_sec = 30;
      return t;
    });
    Pardata[35].Default = 0.7f;
    gFinm = "/data/spectra/ab.nts";
    gLineFit = 1;
  }
  void TearDown() override {
    gFinm.clear();
    gLineFit = 0;
    OutputTest::TearDown();
  }
};

TEST_F(BottomLabelTest, FieldListsGiveTheirTexts) {
  struct Case {
    const char* fields;
    const char* text;
  };
  const Case cases[] = {
      {"NotSpecified", "VIREO /data/spectra/ab.nts 03-07-2024 Scale: 0.70"},
      {"Date|Time|", "VIREO 03-07-2024 09:05:30 "},
      {"Filename|Print Scale|", "VIREO ab.nts Scale: 0.70 "},
      // The full path is printed even after a "Filename" field.
      {"Filename|Filename and Path|", "VIREO ab.nts /data/spectra/ab.nts "},
      {"Page Number|", "VIREO "},
      {"Unknown|Date|", "VIREO 03-07-2024 "},
  };
  for (const Case& c : cases) EXPECT_EQ(BottomLabelText(c.fields), c.text) << c.fields;
}

TEST_F(BottomLabelTest, SettingsGiveTheListAndASimulationHasNoFileName) {
  gLineFit = 0;
  gSimType = 3;
  EXPECT_EQ(BottomLabelText(""), "VIREO  03-07-2024 Scale: 0.70");
  WriteSettings("[ExportButtons]\r\nDrawingName=Time|\r\n");
  EXPECT_EQ(BottomLabelText(""), "VIREO 09:05:30 ");
  gSimType = 0;
}

}  // namespace
