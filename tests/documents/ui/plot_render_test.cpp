// Renders plot documents through RedrawDrawing on the Qt painter device at 96 and 192 DPI (an
// image with a device pixel ratio of 2) into plot-<scene>-96.png and plot-<scene>-192.png in the
// build folder (or in $KAVO_SAMPLE_DIR): a coupled type with its three tables, a line fit with
// the experimental and difference traces, and an object with markers, an integral, an inset and
// annotations.
#include <gtest/gtest.h>

#include <QImage>

#include <cmath>
#include <cstdlib>

#include "documents/data_file.h"
#include "documents/drawing_extents.h"
#include "documents/file_location.h"
#include "documents/file_startup.h"
#include "documents/plot_document.h"
#include "documents/plot_sources.h"
#include "documents/spec_packet.h"
#include "documents/spec_print.h"
#include "documents/spec_record.h"
#include "drawlib/color_scheme.h"
#include "drawlib/device/output_object.h"
#include "drawlib/device/redraw_drawing.h"
#include "drawlib/device/world_window.h"
#include "drawlib/drawlib_init.h"
#include "drawlib/ini/libr_ini.h"
#include "drawlib/pardata.h"
#include "drawlib/steps/step_list.h"
#include "drawlib/text/label_attrs.h"
#include "engine/engine_globals.h"
#include "platform/ui/gdi/qt_painter_device.h"
#include "tests/support/image_target.h"
#include "tests/support/msgbox_recorder.h"
#include "tests/support/process_state.h"
#include "tests/support/scratch_folder.h"

namespace {

std::string OutputPath(const std::string& name) {
  const char* dir = std::getenv("KAVO_SAMPLE_DIR");
  return (dir ? std::string(dir) : std::string(KAVO_BUILD_DIR)) + "/" + name;
}

float Peak(int i, float centre, float width, float height) {
  const float d = (float(i) - centre) / width;
  return height / (1 + d * d);
}

class PlotRenderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetProcessState();
    PardataBuild();
    IniRegisterFile(folder.File("KAVO71.ini"));
    FileLocation[kLocDataFile] = KAVO71_DAT_PATH;
    DocumentServicesRegister();
    for (int i = 0; i < 16; ++i) ColorScheme.ColorPalette[size_t(i)] = DefaultColorRGB(i);
    ColorScheme.ColorPalette[16] = DefaultColorRGB(0);
    SchemePaletteFlag = true;
    SchemeBackColor = 0xFFFFFF;
    StylesInit(9);
    StylesInit(0);
    StylesInit(-1);
    SetPlotClock([] {
      std::tm t{};
      t.tm_year = 126, t.tm_mon = 4, t.tm_mday = 7, t.tm_hour = 9, t.tm_min = 5, t.tm_sec = 3;
      return t;
    });
    gNumPts = 800;
    RedimSpectrum(800);
    gSpectHz = 400;
    gHorOffHz = 0;
    gVertScale = 3000;
    gBaseLnTwips = 2400;
    gPrintBoxWidth = 160 * 40.2f;
    gPrintBoxHeight = 90 * 40.2f;
  }
  void TearDown() override {
    RegisterPlotDocumentSources(nullptr);
    SetPlotClock(nullptr);
    ResetProcessState();
  }

  // Renders steps 1..StepCount with the drawing's extents filling the image.
  void Render(const std::string& scene) {
    float l, b, r, t;
    DrawingExtents(l, b, r, t, StepList, 1, StepCount, 2);
    const float m = 400;
    const int w = 1000, h = int(1000 * (t - b + 2 * m) / (r - l + 2 * m));
    for (int ratio : {1, 2}) {
      QImage image(w * ratio, h * ratio, QImage::Format_RGB32);
      image.setDevicePixelRatio(ratio);
      image.fill(Qt::white);
      ImageTarget target(w, h);
      OutputTarget = &target;
      OutputFlags = kOutputFlagsScreen;
      WorldWindow.zoom = 1.0f;
      ASSERT_TRUE(SetWorldWindow(&target, l - m, b - m, r + m, t + m));
      {
        QtPainterDevice dc(&image);
        RedrawDrawing(&dc, 1, StepCount);
      }
      const std::string name = "plot-" + scene + (ratio == 1 ? "-96.png" : "-192.png");
      EXPECT_TRUE(image.save(QString::fromStdString(OutputPath(name))));
      int ink = 0;
      for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2) ink += image.pixel(x, y) != qRgb(255, 255, 255);
      EXPECT_GT(ink, 200) << name;
    }
    OutputTarget = nullptr;
  }

  ScratchFolder folder;
  MsgBoxRecorder boxes;
};

TEST_F(PlotRenderTest, CoupledTypeWithItsThreeTables) {
  gSimType = 20;
  gTypeMode = 2;
  gSpinCount = 3;
  SimTypeRec& type = gSimTypes[20];
  type.Caption = "Three-site exchange";
  type.Order = "0123456";
  type.SpecID = "Exchange";
  const char* names[] = {"k12", "k13", "k23", "Width", "Pop A", "Pop B", "Pop C"};
  for (int k = 0; k < 7; ++k) {
    std::string n = names[k];
    n.resize(12, ' ');
    gSimPar[std::size_t(k)].Name = n;
    gSimPar[std::size_t(k)].Value = float(k + 1) * 1.5f;
  }
  const char labels[] = {'A', 'B', 'C'};
  for (int s = 1; s <= 3; ++s) {
    gSpins[std::size_t(s)].Shift = 100.0f * float(s);
    gSpins[std::size_t(s)].Label = labels[s - 1];
    gSitePop[std::size_t(s)] = 1.0f / 3;
    gSiteR2[std::size_t(s)] = 3.14159625f * float(s);
    for (int c = 1; c <= 3; ++c) ExchKAt(s, c) = s == c ? -20.0f : 10.0f;
  }
  RedimLineList(10);
  gNumLines = 6;
  for (int l = 1; l <= 6; ++l) gLineFreq[std::size_t(l)] = 60.0f * float(l), gLineInt[std::size_t(l)] = 1;
  for (int i = 1; i <= 800; ++i)
    gSpectrum[std::size_t(i)] = Peak(i, 200, 8, 2000) + Peak(i, 400, 12, 1500) + Peak(i, 600, 8, 2000);
  gPrintBoxToggles = 0x3C1F;
  CreateSimPlot(0);
  Render("tables");
  EXPECT_TRUE(boxes.empty()) << boxes.last().text;
}

TEST_F(PlotRenderTest, LineFitWithTheExperimentalAndDifferenceTraces) {
  struct Sources : PlotDocumentSources {
    bool DifferenceOn() override { return true; }
    int16_t ExpBaseLnTwips() override { return 2400; }
    int16_t DiffBaseLnTwips() override { return 800; }
  } sources;
  RegisterPlotDocumentSources(&sources);
  gSimType = 5;
  gSimTypes[5].Caption = "ABX";
  gSimTypes[5].SpecID = "ABX";
  gLineFit = -1;
  gFinm = "/data/fit.tnt";
  for (int i = 1; i <= 800; ++i) {
    gSpectrum[std::size_t(i)] = Peak(i, 300, 10, 2000) + Peak(i, 500, 10, 1200);
    gSpecExp[std::size_t(i)] = Peak(i, 305, 11, 1900) + Peak(i, 497, 9, 1300) + float(i % 7) * 10;
  }
  gPrintBoxToggles = 0x001F;
  CreateSimPlot(0);
  Render("linefit");
  EXPECT_TRUE(boxes.empty()) << boxes.last().text;
}

TEST_F(PlotRenderTest, ObjectWithMarkersIntegralInsetAndAnnotations) {
  Pardata[90].Default = 140;
  Pardata[91].Default = 60;
  Pardata[94].Default = 450;
  Pardata[98].Default = 50;
  Pardata[97].Default = 8;
  SpecRec rec;
  rec.Flags = int16_t(0x3F | kSpecFlagMarkers | kSpecFlagCurrentLayout);
  rec.Flags &= ~kSpecFlagPpm;
  rec.WdthHz = rec.DispWdthHz = 400;
  rec.NumPts = 800;
  rec.HzPerPt = 0.5f;
  rec.MHz = 100;
  rec.VMult = 1;
  rec.yMult = 2400;
  rec.Attrib = 0x201;
  rec.IntegMult = 1;
  rec.IntegScale = 0.02f;
  rec.IntegPerUnit = 0.01f;
  rec.Strings = {"M > Spectrum object", "M > Hz", "F > sample.tnt", "L > Markers and items"};
  std::vector<int16_t> points(801);
  for (int i = 0; i <= 800; ++i)
    points[std::size_t(i)] = int16_t(Peak(i, 200, 6, 2000) + Peak(i, 212, 6, 1000) + Peak(i, 600, 6, 1800));
  rec.IntegCount = 1;
  rec.Integral[1] = {0, 300, 100, 320, 40, {}};
  rec.InsetCount = 1;
  rec.Inset[1].X = 2600, rec.Inset[1].Y = 700;
  rec.Inset[1].Width = 1200;
  rec.Inset[1].YScale = 0.5f;
  rec.Inset[1].StartHz = 95, rec.Inset[1].SpanHz = 20;
  rec.Inset[1].AxisBits = kInsetAxis | kInsetUnitCaption;
  rec.Inset[1].FirstTick = 115, rec.Inset[1].TickSep = 5, rec.Inset[1].Subdiv = 5;
  rec.Inset[1].Attrib = 0x201;
  rec.Kind = 1;  // a calculated spectrum carries its markers
  rec.MarkerCount = 2;
  rec.Marker[1] = {100, {}, 'A', {}};
  rec.Marker[2] = {300, {}, 'B', {}};
  rec.AnnotCount = 3;
  rec.AnnotPos = {100, 106, 300};  // from the right end leftwards
  rec.AnnotVal = {0, 0, 0};
  ByteArray data;
  std::string label;
  SpecPack(data, label, "", rec, points);
  StepCount = 1;
  StepList.StepType[1] = SpecObjectType;
  StepList.Text[1] = label;
  StepList.Data[1] = data;
  Render("items");
  EXPECT_TRUE(boxes.empty()) << boxes.last().text;
}

}  // namespace
