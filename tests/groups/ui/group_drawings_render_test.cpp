// The table drawing and the stacked plot drawn through the Qt painter device into PNG files in
// $KAVO_SCREENSHOT_DIR (when set), for looking at them; the stacked plot is made from what the
// main window saved and must show its spectra.
#include <QImage>
#include <gmock/gmock.h>

#include <cstdlib>

#include "documents/file_location.h"
#include "documents/file_startup.h"
#include "drawlib/document_services.h"
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
#include "tests/groups/window_groups_fixture.h"
#include "tests/support/process_state.h"

namespace {

// Draws steps 1..last of the drawing (flag 0) or of StepListAux (flag 8) over the world
// rectangle into a 1000-pixel wide picture, saved as a PNG in $KAVO_SCREENSHOT_DIR when set.
QImage RenderSteps(const char* name, int16_t last, int16_t flag, float x1, float y1, float x2,
                   float y2) {
  const int w = 1000, h = static_cast<int>(1000 * (y2 - y1) / (x2 - x1));
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(Qt::white);
  TwipTarget target(15.0f * static_cast<float>(w), 15.0f * static_cast<float>(h));
  OutputTarget = &target;
  OutputFlags = kOutputFlagsScreen;
  EXPECT_TRUE(SetWorldWindow(&target, x1, y1, x2, y2));
  {
    QtPainterDevice dc(&image);
    RedrawDrawing(&dc, 1, last, flag);
  }
  OutputTarget = nullptr;
  if (const char* dir = std::getenv("KAVO_SCREENSHOT_DIR")) {
    EXPECT_TRUE(image.save(QString("%1/%2.png").arg(dir, name)));
  }
  return image;
}

class GroupDrawingsTest : public EditorTest {
 protected:
  // The labels' glyphs come from the program data file; the styles and palette are the
  // library's defaults.
  void SetUp() override {
    EditorTest::SetUp();
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
  RenderSteps("group_rates_table", StepCount, 0, -4000, 4000 - 241.2f * 12, 0, 4400);
}

// The main window saves three simulations into its group, each with its page in the group's
// drawing, as a user does; the stacked plot of that drawing shows three spectra that rise above
// their baselines.
class StackedPlotRenderTest : public WindowGroupsTest {
 protected:
  void SetUp() override {
    WindowGroupsTest::SetUp();
    DocumentServicesRegister();
  }
  void TearDown() override {
    SetDocumentServices(nullptr);
    WindowGroupsTest::TearDown();
  }
  // A number of the object's header label after `key` ("Wd:", "Ht:"), in mm.
  static float HeaderMM(const std::string& label, const char* key) {
    const size_t at = label.find(key);
    return at == std::string::npos ? 0.0f : std::stof(label.substr(at + 4));
  }
};

TEST_F(StackedPlotRenderTest, ThreeSavedSimulationsStackAndShowTheirLines) {
  Load();
  const float shiftDifferences[] = {10, 30, 60};  // Vab, Hz: the AB pattern opens up
  for (int16_t i = 0; i < 3; ++i) {
    form.SetParValue(shiftDifferences[i], 1, 3);  // shown and calculated, as a typed value
    bool saved = false;
    groups.SaveSimItem(i, "Run " + std::to_string(i + 1), saved);
    ASSERT_TRUE(saved);
  }
  CopyStackedPlot(folder.File("default.zef"));
  const float W = HeaderMM(StepListAux.Text[1], "Wd:") * 40.2f;
  const float H = HeaderMM(StepListAux.Text[1], "Ht:") * 40.2f;
  ASSERT_GT(W, 400);
  ASSERT_GT(H, 400);
  for (int a = 2; a <= 3; ++a) {
    EXPECT_FLOAT_EQ(StepListAux.X[size_t(a)], StepListAux.X[1]);
    EXPECT_FLOAT_EQ(StepListAux.Y[size_t(a)] - StepListAux.Y[size_t(a - 1)], H + 201);
  }
  const float x1 = StepListAux.X[1] - 800, x2 = StepListAux.X[1] + W + 800;
  const float y1 = StepListAux.Y[1] - 1200, y2 = StepListAux.Y[3] + H + 1200;
  const QImage image = RenderSteps("group_stacked_plot", 3, kRedrawAuxSteps, x1, y1, x2, y2);
  const float perPixel = (x2 - x1) / float(image.width());
  // Ink inside each frame right of its parameter list, between 0.15 and 0.45 of its height above
  // its baseline: only a trace that rises puts any there.
  for (int a = 1; a <= 3; ++a) {
    const float X = StepListAux.X[size_t(a)], Y = StepListAux.Y[size_t(a)];
    const int left = int((X + 0.3f * W - x1) / perPixel), right = int((X + 0.95f * W - x1) / perPixel);
    const int top = int((y2 - (Y + 0.45f * H)) / perPixel);
    const int bottom = int((y2 - (Y + 0.15f * H)) / perPixel);
    int ink = 0;
    for (int row = top; row <= bottom; ++row)
      for (int col = left; col <= right; ++col)
        if (qGray(image.pixel(col, row)) < 160) ++ink;
    EXPECT_GT(ink, 20) << "spectrum " << a << " is flat";
  }
}

}  // namespace
