#include "output/export_setup.h"

#include <gtest/gtest.h>

#include "output/footer_fields.h"

namespace {

ExportSetup Shown(const std::string& input) {
  ExportSetup e;
  e.ApplyInput(input);
  return e;
}

TEST(ExportSetupModel, InputsGiveTheirSelectionsAndSettingsText) {
  struct Case {
    const char* input;
    int16_t graphics, frame, output;
    bool transparent, smooth;
    const char* text;
  };
  const Case cases[] = {
      {"", 0, 2, 1, true, true, "WMF-P Frame Clip"},
      {"GIF-S Page Disk (Opaque)  (LnSmooth) ", 4, 3, 0, false, true,
       "GIF-S Page Disk (Opaque)  (LnSmooth) "},
      {"EPSPage Disk", 3, 3, 0, true, false, "EPSPage Disk"},
      {"BMP-S Marg Clip", 2, 1, 1, true, false, "BMP-S Marg Clip"},
      {"EMF-S Frame Clip (InclZEF) ", 1, 2, 1, true, false, "EMF-S Frame Clip (InclZEF) "},
      {"GIF-S Frame Clip", 4, 2, 0, true, false, "GIF-S Frame Disk"},  // GIF goes to disk only
  };
  for (const Case& c : cases) {
    const ExportSetup e = Shown(c.input);
    EXPECT_EQ(e.graphics, c.graphics) << c.input;
    EXPECT_EQ(e.frame, c.frame) << c.input;
    EXPECT_EQ(e.output, c.output) << c.input;
    EXPECT_EQ(e.gifTransparent, c.transparent) << c.input;
    EXPECT_EQ(e.lineSmooth, c.smooth) << c.input;
    EXPECT_EQ(e.ShowCapt(), c.text) << c.input;
  }
}

TEST(ExportSetupModel, EpsGreysClipboardAndWmfEnablesItWithoutReselecting) {
  ExportSetup e = Shown("");
  e.ClickGraphics(3);
  EXPECT_EQ(e.output, 0);
  EXPECT_FALSE(e.clipboardEnabled);
  e.ClickGraphics(0);
  EXPECT_TRUE(e.clipboardEnabled);
  EXPECT_EQ(e.output, 0);
  EXPECT_EQ(e.ShowCapt(), "WMF-P Frame Disk");
}

TEST(ExportSetupModel, EnhancedMetafileSwitchesCaptionsAndTags) {
  ExportSetup e = Shown("");
  e.ClickGraphics(1);
  e.SetEMF(true);
  EXPECT_EQ(e.graphicsWord, "EMF-S ");
  EXPECT_EQ(e.GraphicsCaption(0), "Windows Metafile (EMF-P) - Format for Printer");
  e.SetEMF(false);
  EXPECT_EQ(e.graphicsWord, "WMF-S ");
  e.ClickGraphics(2);
  e.SetEMF(true);
  EXPECT_EQ(e.graphicsWord, "BMP-S ");  // only the metafile options change
}

TEST(ExportSetupModel, SmoothingAddsOnlyToBitmapsAndTheInfoTextShowsTheResolution) {
  ExportSetup e = Shown("");
  e.lineSmooth = true;
  EXPECT_EQ(e.ShowCapt(), "WMF-P Frame Clip");
  e.ClickGraphics(2);
  EXPECT_EQ(e.ShowCapt(), "BMP-S Frame Clip (LnSmooth) ");
  EXPECT_EQ(ExportInfoText(0.7f),
            "At the current Print Scale (0.70) the resolution of the exported bitmaps (BMP and "
            "GIF) will be 96 dots per inch (DPI).");
}

TEST(FooterFieldList, EachFieldOnceByWholeWord) {
  std::string list;
  EXPECT_TRUE(FooterFieldAdd(list, "Date"));
  EXPECT_FALSE(FooterFieldAdd(list, "Date"));
  EXPECT_EQ(list, "Date|");
  EXPECT_TRUE(FooterFieldAdd(list, "Filename and Path"));
  EXPECT_TRUE(FooterFieldAdd(list, "Filename"));
  EXPECT_EQ(list, "Date|Filename and Path|Filename|");
}

}  // namespace
