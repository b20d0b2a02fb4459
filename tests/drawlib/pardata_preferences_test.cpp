#include "drawlib/pardata_preferences.h"

#include "drawlib/ini/libr_ini.h"
#include "tests/drawlib/drawlib_state.h"

namespace {

using PreferencesTest = DrawlibState;

TEST_F(PreferencesTest, StoredRowsReadBackIntoDefaults) {
  EXPECT_EQ(PreferencesKey(35), "35 Print Scale:");
  Pardata[35].Default = 1.25f;
  Pardata[2].Default = 4.25f;
  ASSERT_TRUE(PreferencesStore(35));
  ASSERT_TRUE(PreferencesStore(2));
  EXPECT_FALSE(PreferencesStore(33));  // no such row
  EXPECT_EQ(IniGetString("Preferences", "35 Print Scale:", ""), "1.250");
  EXPECT_EQ(IniGetString("Preferences", "2 Height (mm):", ""), "4.3");

  Pardata[35].Default = 0.7f;
  Pardata[2].Default = 3.6f;
  PreferencesRead();
  EXPECT_EQ(Pardata[35].Default, 1.25f);
  EXPECT_FLOAT_EQ(Pardata[2].Default, 4.3f);
}

TEST_F(PreferencesTest, EntriesThatNameNoRowOrNoNumberAreIgnored) {
  WriteSettings(
      "[Preferences]\n"
      "200 Beyond=5\n"
      "-1 Negative=5\n"
      "33 Unused=5\n"
      "Print Scale:=5\n"
      "36 Small Scale:=\n"
      "38 Normal Scale:=abc\n"
      "42 Very large Scale <a-Z>:=2,5\n"
      "23=9\n");
  PreferencesRead();
  EXPECT_EQ(Pardata[33].Default, 0.0f);
  EXPECT_EQ(Pardata[36].Default, 0.4f);
  EXPECT_EQ(Pardata[38].Default, 0.7f);
  EXPECT_EQ(Pardata[42].Default, 2.5f);
  EXPECT_EQ(Pardata[23].Default, 9.0f);
  EXPECT_TRUE(boxes.empty());
}

}  // namespace
