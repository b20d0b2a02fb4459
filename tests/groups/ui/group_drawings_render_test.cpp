// The table drawing and the stacked plot drawn through the Qt painter device into PNG files in
// $KAVO_SCREENSHOT_DIR (when set), for looking at them; the test checks that drawing them
// stays inside the pictures and the step lists.
#include <QImage>
#include <gmock/gmock.h>

#include <cmath>
#include <cstdlib>

#include "documents/file_location.h"
#include "documents/file_startup.h"
#include "documents/spec_packet.h"
#include "documents/spec_record.h"
#include "drawlib/color_scheme.h"
#include "drawlib/device/output_object.h"
#include "drawlib/device/redraw_drawing.h"
#include "drawlib/device/world_window.h"
#include "drawlib/steps/step_list.h"
#include "drawlib/text/label_attrs.h"
#include "engine/sim_catalogue.h"
#include "groups/group_tables.h"
#include "platform/ui/gdi/qt_painter_device.h"
#include "tests/drawlib/device_fixture.h"
#include "tests/groups/editor_fixture.h"

namespace {

class GroupDrawingsTest : public EditorTest {
 protected:
  // The labels' glyphs come from the program data file; the styles and palette are the
  // library's defaults.
  void SetUp() override {
    EditorTest::SetUp();
    FileStartupReset();
    FileLocation[kLocDataFile] = KAVO71_DAT_PATH;
    DocumentServicesRegister();
    for (int i = 0; i < 16; ++i) ColorScheme.ColorPalette[size_t(i)] = DefaultColorRGB(i);
    ColorScheme.ColorPalette[16] = DefaultColorRGB(0);
    SchemePaletteFlag = true;
    SchemeBackColor = 0xFFFFFF;
    StylesInit(9);
    StylesInit(0);
    StylesInit(-1);
  }
  void TearDown() override {
    FileStartupReset();
    EditorTest::TearDown();
  }
  // Draws steps 1..last of the drawing (flag 0) or of StepListAux (flag 8) over the world
  // rectangle into a PNG.
  void Render(const char* name, int16_t last, int16_t flag, float x1, float y1, float x2,
              float y2) {
    const int w = 1000, h = static_cast<int>(1000 * (y2 - y1) / (x2 - x1));
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    TwipTarget target(15.0f * static_cast<float>(w), 15.0f * static_cast<float>(h));
    OutputTarget = &target;
    OutputFlags = kOutputFlagsScreen;
    ASSERT_TRUE(SetWorldWindow(&target, x1, y1, x2, y2));
    {
      QtPainterDevice dc(&image);
      RedrawDrawing(&dc, 1, last, flag);
    }
    OutputTarget = nullptr;
    if (const char* dir = std::getenv("KAVO_SCREENSHOT_DIR")) {
      EXPECT_TRUE(image.save(QString("%1/%2.png").arg(dir, name)));
    }
  }
  // A spectrum object 100 x 40 mm: a Lorentzian line.
  static void SpectrumStep(int s, float x, float y) {
    SpecRec rec;
    rec.Flags = kSpecFlagCurrentLayout | kSpecFlagAxis;
    rec.StartHz = 0;
    rec.WdthHz = 500;
    rec.NumPts = 200;
    rec.HzPerPt = 2.5f;
    rec.MHz = 300;
    rec.DispOffHz = 0;
    rec.DispWdthHz = 500;
    rec.Kind = 1;
    std::vector<int16_t> points(201);
    for (int i = 0; i <= 200; ++i)
      points[size_t(i)] = int16_t(20000 / (1 + std::pow((i - 100 + s * 20) / 4.0, 2)));
    ByteArray data;
    std::string label;
    SpecPack(data, label, "page spectrum", rec, points);
    StepList.X[size_t(s)] = x;
    StepList.Y[size_t(s)] = y;
    StepList.StepType[size_t(s)] = kStepSpectrum;
    StepList.Text[size_t(s)] = label;
    StepList.Data[size_t(s)] = data;
  }
};

TEST_F(GroupDrawingsTest, TableDrawing) {
  std::vector<SimItem> items(25);
  for (int i : {0, 1, 3}) {
    items[size_t(i)] = AbItem("Run " + std::to_string(i));
    items[size_t(i)].Type = "15";
    items[size_t(i)].TempK = std::to_string(280 + 10 * i);
    items[size_t(i)].Param[1] = std::to_string(100 * (i + 1));
    items[size_t(i)].Param[4] = "25";
  }
  SimTypeRec& rec = gSimTypes[15];
  SimTypeSetup(rec, 15);
  CopyGroupTable(BuildGroupTable(items, rec, true));
  ASSERT_EQ(StepCount, 11 * 4);
  Render("group_rates_table", StepCount, 0, -4000, 4000 - 241.2f * 12, 0, 4400);
}

TEST_F(GroupDrawingsTest, StackedPlotOfThreePages) {
  Pardata[90].Default = 100;
  Pardata[91].Default = 40;
  PageArray pages(4);
  for (int p = 1; p <= 3; ++p) {
    StepCount = 1;
    SpectrumStep(p, 800, 400);
    PageCapture(pages[size_t(p)]);
  }
  pages[1].pageCount = 3;
  ASSERT_EQ(FileSaveBin(pages, 1, 3, Zef()), 0);
  CopyStackedPlot(Zef());
  EXPECT_FLOAT_EQ(StepListAux.Y[3] - StepListAux.Y[1], 2 * 1809);
  Render("group_stacked_plot", 3, kRedrawAuxSteps, 0, -800, 6000, 8000);
}

}  // namespace
