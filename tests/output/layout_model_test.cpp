#include "output/layout_model.h"

#include "drawlib/text/label_attrs.h"
#include "platform/runtime_numbers.h"
#include "tests/output/output_model_fixture.h"

namespace {

using LayoutModel = OutputModelTest;

TEST_F(LayoutModel, BoxSizesAreHeldWithinTwentyToAThousandAndRedWhenTooLarge) {
  struct Case {
    const char* text;
    const char* shown;
    float paper;
    bool red;
  };
  const Case cases[] = {
      {"5", " 20", 10000, false},   {"2000", " 1000", 10000, true},
      {"150,7", " 150", 10000, false}, {"", " 20", 10000, false},
      {"240", " 240", 9000, true},
  };
  for (const Case& c : cases) {
    const BoxSize b = BoxSizeCheck(c.text, c.paper);
    EXPECT_EQ(b.text, c.shown) << c.text;
    EXPECT_EQ(b.red, c.red) << c.text;
  }
  EXPECT_FLOAT_EQ(BoxSizeCheck("150,5", 1e9).worldUnits, 150.5f * 40.2f);
}

TEST_F(LayoutModel, FullGivesTheWholeMillimetresThatFitAndTheyShowBlack) {
  struct Case {
    float paper;  // world units, as the print set-up keeps them
    float scale;
    const char* full;
  };
  const Case cases[] = {
      {11230, 0.7f, " 399"},  // Letter height at 600 dpi: 399.076 mm
      {8678, 0.7f, " 308"},   // Letter width
      {11230, 1.0f, " 279"},
      {11938, 0.7f, " 424"},  // A4 height
      {11256, 1.0f, " 280"},  // exactly 280 mm
      {11256, 0.5f, " 560"},
      {11230, 1.3f, " 214"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.paper) + " at " + std::to_string(c.scale));
    Pardata[35].Default = c.scale;
    const std::string full = FullBoxSizeText(c.paper, c.scale);
    EXPECT_EQ(full, c.full);
    const BoxSize b = BoxSizeCheck(full, c.paper);
    EXPECT_EQ(b.text, c.full);
    EXPECT_FALSE(b.red);
    EXPECT_LE(b.worldUnits * c.scale, c.paper);
    // One millimetre more is over the paper.
    EXPECT_TRUE(BoxSizeCheck(Str(float(std::stoi(full) + 1)), c.paper).red);
  }
}

TEST_F(LayoutModel, ApplyStoresPrintListSizesAndMHzWithinTheRules) {
  LayoutInput in{{true, false, true, false, false, true}, "120,5", "80", "2000"};
  ASSERT_TRUE(LayoutApplyValues(in));
  EXPECT_EQ(gSimTypes[5].PrintPars, "025");
  EXPECT_FLOAT_EQ(gPrintBoxWidth, 120.5f * 40.2f);
  EXPECT_FLOAT_EQ(gPrintBoxHeight, 80 * 40.2f);
  EXPECT_FLOAT_EQ(gSpec.MHz, 1000);  // held at 1000
  in.mhzText = "0,5";
  LayoutApplyValues(in);
  EXPECT_FLOAT_EQ(gSpec.MHz, 1);
  gLineFit = -1;  // line fitting: the MHz is neither editable nor applied
  in.mhzText = "300";
  LayoutApplyValues(in);
  EXPECT_FLOAT_EQ(gSpec.MHz, 1);
  EXPECT_FALSE(MHzEditable(5, true));
  EXPECT_FALSE(MHzEditable(0, false));
  EXPECT_TRUE(MHzEditable(5, false));
  for (int16_t type : {int16_t(-1), int16_t(45), int16_t(300)}) {  // nothing changes
    gSimType = type;
    gPrintBoxWidth = 1;
    EXPECT_FALSE(LayoutApplyValues(in));
    EXPECT_FLOAT_EQ(gPrintBoxWidth, 1);
  }
}

TEST_F(LayoutModel, ThePrintListFollowsTheTypesPanelOrder) {
  struct Case {
    std::vector<bool> checked;
    const char* order;
    const char* list;
  };
  const std::vector<bool> all(8, true);
  const Case cases[] = {
      {all, "01623745", "01623745"},  // AB: Vcentr (6) third, as the plot and the panel
      {{true, false, true, false, false, false, true, false}, "01623745", "062"},
      {all, "", "01234567"},              // no order: index order
      {all, "0162", "01623457"},          // boxes the order lacks follow in index order
      {{false, true}, "01623745", "1"},   // indexes beyond the boxes are not listed
      {{}, "01623745", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(PrintListOf(c.checked, c.order), c.list) << c.order;
  // Applied without a change, the type's list stays as the type set it up.
  gSimTypes[5].Order = "01623745";
  gSimTypes[5].PrintPars = "01623745";
  ASSERT_TRUE(LayoutApplyValues({all, "150", "100", "100"}));
  EXPECT_EQ(gSimTypes[5].PrintPars, "01623745");
}

TEST_F(LayoutModel, TwelveParametersGiveThreeRowsAndAFrameSixHundredTwipsTaller) {
  const float lefts[5] = {100, 1000, 1900, 2800, 3700};
  EXPECT_FLOAT_EQ(ParamFrameGrowth(11), 600);
  EXPECT_FLOAT_EQ(ParamFrameGrowth(4), 0);
  const BoxPlace p11 = ParamBoxPlace(11, lefts, 240);
  EXPECT_FLOAT_EQ(p11.left, 1000);
  EXPECT_FLOAT_EQ(p11.top, 840);
  EXPECT_FLOAT_EQ(ParamBoxPlace(5, lefts, 240).top, 540);
  EXPECT_TRUE(PrintListHas("0;", 11));
  EXPECT_FALSE(PrintListHas("0;", 1));
}

TEST_F(LayoutModel, DragStartsOnlyBeyondTwoHundredTwipsAndADropGivesTheIdText) {
  EXPECT_FALSE(DragStarts(0, 0, 100, 100));
  EXPECT_TRUE(DragStarts(0, 0, 150, -51));
  EXPECT_EQ(DroppedParamIdText(" kAB ", 12.5f, 3), "kAB = 12.50 [Par: 3]");
}

TEST_F(LayoutModel, FontFamiliesMapByKind) {
  struct Case {
    const char* family;
    int16_t number;
  };
  const Case cases[] = {{"Liberation Sans", 3}, {"Arial", 3},       {"Nimbus Sans", 3},
                        {"DejaVu Sans", 3},     {"Liberation Serif", 4}, {"Times New Roman", 4},
                        {"DejaVu Serif", 4},    {"DejaVu Sans Mono", 5}, {"Liberation Mono", 5},
                        {"Standard Symbols PS", 5}, {"Courier New", 5}};
  for (const Case& c : cases) EXPECT_EQ(FontNumberForFamily(c.family), c.number) << c.family;
}

TEST_F(LayoutModel, TenPointFontStoresAboutTwoPointFourSevenMillimetres) {
  LayoutFontStore("DejaVu Serif", 10);
  EXPECT_NEAR(Pardata[2].Default, 2.47f, 0.005f);
  EXPECT_FLOAT_EQ(Pardata[9].Default, 4);
  EXPECT_EQ(TextNameGet(9, 4), "DejaVu Serif");  // stored as chosen
  EXPECT_EQ(IniGetString("Font Definitions", "4", ""), "DejaVu Serif");
  EXPECT_EQ(IniGetString("Preferences", "9 " + Pardata[9].Name, ""), "4");
  EXPECT_NEAR(HeightToPoints(PointsToHeight(10)), 10, 1e-4);
  LayoutFontStore("Liberation Sans", 40);  // sizes beyond the dialog's limits are held
  EXPECT_NEAR(Pardata[2].Default, PointsToHeight(20), 1e-5);
}

}  // namespace
