#include <gtest/gtest.h>

#include "drawlib/pardata.h"
#include "output/export_files.h"
#include "output/export_flags.h"
#include "output/export_region.h"
#include "tests/output/output_fixture.h"

namespace {

class ExportSpecTest : public OutputTest {};

TEST_F(ExportSpecTest, FlagsOfEveryFormatAndOptionWord) {
  struct Case {
    const char* spec;
    uint16_t flags;
  };
  const Case cases[] = {
      {"WMF-P Clip Draw (LnSmooth)", 0x0042}, {"WMF-S Clip Page", 0x0242},
      {"WMF Disk", 0x0062},                   {"WMF-S Disk", 0x0262},
      {"EMF Clip", 0x0442},                   {"EMF-S Disk InclZEF", 0x1662},
      {"EMF InclZEF", 0x1442},                {"BMP Clip", 0x0250},
      {"BMP-S Disk Box", 0x0270},             {"BMP LnSmooth", 0x2250},
      {"EPS Disk -S", 0x0120},                {"GIF Disk", 0x0068},
      {"GIF-S Disk", 0x0268},                 {"GIF Opaque LnSmooth", 0x2868},
      {"JPG", 0x4060},                        {"JPG-S", 0x4260},
      {"PRN -S Disk", 0x0044},                {"wmf-S Disk", 0},
      {" WMF", 0},                            {"", 0},
      {"TIF Disk", 0},
  };
  for (const Case& c : cases) EXPECT_EQ(ExportFlagsFromSpec(c.spec), c.flags) << c.spec;
}

TEST_F(ExportSpecTest, RegionsOfTheFramingWords) {
  MakeDrawing();
  Pardata[23].Default = 3;
  const float margin = 3 * 40.2f;
  const OutputRegion page{PrintableRect.left, PrintableRect.bottom, PrintableRect.right,
                          PrintableRect.top};
  struct Case {
    const char* spec;
    OutputRegion box;
    float margin;
  };
  const Case cases[] = {
      {"WMF Page", page, 0},
      {"WMF Draw", {-2000, -1000, 2000, 1000}, margin},
      {"WMF", {-2000, -1000, 2000, 1000}, margin},
      {"WMF Marg", {page.left, -1000, page.right, 1000}, margin},
      {"WMF Marg Draw", {-2000, -1000, 2000, 1000}, margin},
      // The framing words that once gave nothing: "Frame" as "Draw", "Box" as "Marg".
      {"WMF-P Frame Clip", {-2000, -1000, 2000, 1000}, margin},
      {"BMP Disk Box", {page.left, -1000, page.right, 1000}, margin},
      {"WMF Page Frame", {-2000, -1000, 2000, 1000}, margin},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.spec);
    const ExportRegion r = ExportRegionFromSpec(c.spec);
    EXPECT_FLOAT_EQ(r.box.left, c.box.left);
    EXPECT_FLOAT_EQ(r.box.bottom, c.box.bottom);
    EXPECT_FLOAT_EQ(r.box.right, c.box.right);
    EXPECT_FLOAT_EQ(r.box.top, c.box.top);
    EXPECT_FLOAT_EQ(r.margin, c.margin);
  }
}

TEST_F(ExportSpecTest, SaveAsTitlesExtensionsAndFiltersByFlag) {
  struct Case {
    uint16_t flags;
    const char* title;
    const char* name;
    const char* filter;
  };
  const Case cases[] = {
      {0x0120, "ZEF Export Encapsulated PostScript File", "plot.eps",
       "Postscript files (*.EPS)|*.EPS|ZEF Files (*.ZEF)|*.ZEF|All Files (*.*)|*.*"},
      {0x0270, "ZEF Export Windows Bitmap", "plot.bmp",
       "Bitmap files (*.bmp)|*.bmp|All Files (*.*)|*.*"},
      {0x0268, "ZEF Export GIF File", "plot.gif", "Bitmap files (*.gif)|*.gif|All Files (*.*)|*.*"},
      {0x4060, "ZEF Export JPG File", "plot.jpg", "JPG files (*.jpg)|*.jpg|All Files (*.*)|*.*"},
      {0x0662, "ZEF Export Windows MetaFile ", "plot.emf",
       "Metafiles (*.emf)|*.emf|ZEF Files (*.zef)|*.zef|All Files (*.*)|*.*|Template Files (*.TEM)|*.TEM"},
      {0x0262, "ZEF Export Windows MetaFile ", "plot.wmf",
       "Metafiles (*.wmf)|*.wmf|zef Files (*.zef)|*.zef|All Files (*.*)|*.*|Template Files (*.TEM)|*.TEM"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.title);
    dialogs.requests.clear();
    EXPECT_EQ(ExportSaveAsDialog("/data/plots/plot.zef", c.flags), "");  // cancelled
    ASSERT_EQ(dialogs.requests.size(), 1u);
    const FileDialogRequest& r = dialogs.requests[0];
    EXPECT_EQ(r.title, c.title);
    EXPECT_EQ(r.fileName, c.name);
    EXPECT_EQ(r.folder, "/data/plots");
    EXPECT_EQ(r.filter, c.filter);
    EXPECT_FALSE(r.open);
    EXPECT_EQ(r.flags, kOfnOverwritePrompt);
  }
  EXPECT_EQ(boxes.count(), 0u);  // a cancelled dialog says nothing
}

}  // namespace
