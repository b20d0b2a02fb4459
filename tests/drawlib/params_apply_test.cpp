#include "drawlib/params_apply.h"

#include "drawlib/color_scheme.h"
#include "drawlib/ps_interface.h"
#include "drawlib/text/label_attrs.h"
#include "tests/drawlib/drawlib_state.h"
#include "tests/drawlib/fake_printer.h"

namespace {

using ParamsApplyTest = DrawlibState;

void Apply(int row, int16_t mode) { ParamsApply(std::string(1, char(row)), mode); }

void ExpectRect(const WorldRect& r, float left, float top, float right, float bottom) {
  EXPECT_NEAR(r.left, left, 0.01);
  EXPECT_NEAR(r.top, top, 0.01);
  EXPECT_NEAR(r.right, right, 0.01);
  EXPECT_NEAR(r.bottom, bottom, 0.01);
}

TEST_F(ParamsApplyTest, PrintScaleWithoutPrinterGivesLetterPageInEitherDirection) {
  Pardata[35].Default = 1;
  Apply(35, 13);
  ExpectRect(PrintableRect, -4339.59f, 5615.94f, 4339.59f, -5615.94f);
  ExpectRect(PaperRect, -4339.59f, 5615.94f, 4339.59f, -5615.94f);
  for (int row = 104; row <= 107; ++row) EXPECT_EQ(Pardata[row].Min, 0.0f) << row;

  Pardata[20].Default = 1;
  Apply(35, 13);
  ExpectRect(PrintableRect, -5615.94f, 4339.59f, 5615.94f, -4339.59f);

  // With the printer query allowed but no printer installed, the same page results.
  Pardata[20].Default = 0;
  Apply(35, 12);
  ExpectRect(PaperRect, -4339.59f, 5615.94f, 4339.59f, -5615.94f);
}

TEST_F(ParamsApplyTest, PrintScaleThatCannotDivideFallsBackToBuiltInScale) {
  for (float bad : {0.0f, -2.0f}) {
    Pardata[35].Default = bad;
    Apply(35, kApplyToLibrary | kApplyNoPrinter);
    ExpectRect(PrintableRect, -4339.59f / 0.7f, 5615.94f / 0.7f, 4339.59f / 0.7f,
               -5615.94f / 0.7f);
  }
  // Validation replaces the stored scale as well.
  Pardata[35].Default = 0;
  Apply(35, 13);
  EXPECT_EQ(Pardata[35].Default, 0.7f);
}

TEST_F(ParamsApplyTest, PrinterSizesSetRectanglesAndMarginMinimums) {
  FakePrinter printer;
  printer.installed = true;
  // A printable area 402 world units (10 mm) smaller than the paper each way, portrait.
  printer.sizes = {8000, 11000, 7598, 10598};
  Pardata[35].Default = 1;
  Pardata[104].Default = 2;
  Pardata[106].Default = 9;
  Apply(35, 12);
  EXPECT_EQ(printer.queries, 1);
  EXPECT_EQ(printer.lastOptions, kPrinterSetupQuery);
  ExpectRect(PrintableRect, -3799, 5299, 3799, -5299);
  ExpectRect(PaperRect, -4000, 5500, 4000, -5500);
  EXPECT_NEAR(Pardata[106].Min, 5.0, 1e-4);
  EXPECT_NEAR(Pardata[104].Min, 5.0, 1e-4);
  EXPECT_NEAR(Pardata[104].Default, 5.0, 1e-4);  // raised to the minimum
  EXPECT_EQ(Pardata[106].Default, 9.0f);         // already above it

  // Known sizes that agree with the direction are not queried again; landscape swaps them.
  Apply(35, 12);
  EXPECT_EQ(printer.queries, 1);
  Pardata[20].Default = 1;
  Apply(35, 13);
  EXPECT_EQ(printer.queries, 1);
  ExpectRect(PaperRect, -5500, 4000, 5500, -4000);
}

TEST_F(ParamsApplyTest, LabelRowsValidateAndReachLabelAttributesAndTextColour) {
  Pardata[2].Default = 500;  // above Max 250
  Pardata[11].Default = 12;
  int16_t mode = 12;
  ParamsApply(std::string{char(2), char(11), char(29), char(57)}, mode);
  EXPECT_EQ(Pardata[2].Default, 3.6f);
  EXPECT_EQ(LabelAttrs[2], 3.6f);
  EXPECT_EQ(LabelAttrs[11], 12.0f);
  EXPECT_EQ(SchemeTextColor, RGBColor(255, 0, 0));
  // Row 57 applies the print scale again.
  ExpectRect(PrintableRect, -4339.59f / 0.7f, 5615.94f / 0.7f, 4339.59f / 0.7f,
             -5615.94f / 0.7f);

  // Mode 8 alone validates without applying; codes beyond the table are ignored.
  Pardata[3].Default = 1000;
  mode = kApplyValidate;
  ParamsApply(std::string{char(3), char(200)}, mode);
  EXPECT_EQ(Pardata[3].Default, 1.0f);
  EXPECT_EQ(LabelAttrs[3], 0.0f);
}

}  // namespace
