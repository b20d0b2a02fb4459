// Renders a sample drawing with every line type, an axis and paths through the Qt painter device
// into PNG files (sample_drawing.png, and sample_drawing_smooth.png with anti-aliased lines) in
// the test's working folder, or in $KAVO_SAMPLE_DIR when set.
#include <gtest/gtest.h>

#include <QImage>

#include <cstdlib>
#include <string>

#include "drawlib/axes/draw_axis.h"
#include "drawlib/axes/draw_path.h"
#include "drawlib/color_scheme.h"
#include "drawlib/device/output_object.h"
#include "drawlib/device/pen_cache.h"
#include "drawlib/device/world_window.h"
#include "drawlib/drawlib_init.h"
#include "drawlib/linetypes/draw_alt_bnd.h"
#include "drawlib/pardata.h"
#include "drawlib/steps/step_list.h"
#include "platform/ui/gdi/qt_painter_device.h"
#include "tests/support/image_target.h"

namespace {

constexpr float kMM = 40.2f;

bool HasShape(int code) {
  return !(code == 5 || code == 32 || code == 40 || code == 47 || code == 49 || code == 50 ||
           (code >= 24 && code <= 31) || code == 48);
}

void DrawSample(Device& dc) {
  PenSetAPI(&dc, 1, int32_t(SchemeForeColor), 4);
  PenSetStyleColor(&dc, 1, 0, 1);
  GdiFont font;
  font.height = 14;
  dc.SetFont(font);
  dc.SetTextColor(0);
  int cell = 0;
  for (int code = 1; code <= 53; ++code) {
    if (!HasShape(code)) continue;
    const int col = cell % 8, row = cell / 8;
    ++cell;
    const float x = (8.0f + float(col) * 36.0f) * kMM;
    const float y = -(14.0f + float(row) * 24.0f) * kMM;
    int32_t px, py;
    WorldToPixel(x - 6.0f * kMM, y, px, py);
    dc.TextOut(px, py + 5, std::to_string(code));
    const bool ring = (code >= 33 && code <= 46) || code == 53;
    const bool box = code == 14 || code == 18 || code == 19 || code == 20 || code == 23;
    const uint16_t colour = uint16_t((code % 5 == 0 ? 4 : (code % 7 == 0 ? 1 : 0)) << 11);
    const uint16_t attrib = uint16_t(code | colour);
    if (box) DrawAltBnd(&dc, x, y - 5.0f * kMM, attrib, x + 18.0f * kMM, y + 5.0f * kMM, 1);
    else if (ring) DrawAltBnd(&dc, x + 4.0f * kMM, y - 6.0f * kMM, attrib, x + 12.0f * kMM, y - 6.0f * kMM, 1);
    else DrawAltBnd(&dc, x, y, attrib, x + 15.0f * kMM, y + 3.0f * kMM, 1);
  }
  // A value axis along the bottom.
  AxisLayout axis;
  axis.x = 10 * kMM;
  axis.y = -190 * kMM;
  axis.length = 260 * kMM;
  axis.bigTick = -3 * kMM;
  axis.smallTick = 1.5f * kMM;
  axis.tickSeparation = 1;
  axis.scale = 26 * kMM;
  axis.subdivisions = 10;
  axis.flags = 1;
  float bounds[4] = {};
  DrawAxis(&dc, bounds, axis);
  // A curved path with an arrowhead, and a filled straight path.
  StepListReset();
  StepCreate(0, 30 * kMM, -215 * kMM, "", std::monostate{});
  const float curve[][2] = {{60, -200}, {90, -225}, {120, -200}, {150, -220}};
  for (auto& p : curve) StepCreate(25 | (1 << 11), p[0] * kMM, p[1] * kMM, "", std::monostate{});
  StepCreate(0, 190 * kMM, -200 * kMM, "", std::monostate{});
  const float shape[][2] = {{230, -200}, {250, -222}, {200, -222}};
  for (auto& p : shape) StepCreate(31 | (2 << 11), p[0] * kMM, p[1] * kMM, "", std::monostate{});
  int16_t index = 2;
  DrawCurrentPath(&dc, 25, index, 25 | (1 << 11), 1);
  index = 7;
  DrawCurrentPath(&dc, 25, index, 31 | (2 << 11), 1);
  PenSetAPI(&dc, 0, 0, 0);
}

std::string OutputPath(const std::string& name) {
  const char* dir = std::getenv("KAVO_SAMPLE_DIR");
  return dir ? std::string(dir) + "/" + name : name;
}

// Share of non-white pixels in a block of the image.
double Ink(const QImage& image, int x0, int y0, int w, int h) {
  int n = 0;
  for (int y = y0; y < y0 + h; ++y)
    for (int x = x0; x < x0 + w; ++x)
      if (image.pixel(x, y) != qRgb(255, 255, 255)) ++n;
  return double(n) / double(w * h);
}

TEST(SampleRender, EveryLineTypeAnAxisAndPathsReachThePicture) {
  DrawLibReset();
  PardataBuild();
  for (int i = 0; i < 16; ++i) ColorScheme.ColorPalette[size_t(i)] = DefaultColorRGB(i);
  SchemeBackColor = 0xFFFFFF;
  DrawAltBnd(nullptr, 0, 0, 0, 0, 0, kDrawAltBndReloadShapes);
  for (uint16_t flags : {kOutputFlagsScreen, uint16_t(kOutputFlagsScreen | kOutputSmooth)}) {
    const int w = 1200, h = 900;  // 300 x 225 mm at 4 pixels per mm
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    ImageTarget target(w, h);
    OutputTarget = &target;
    OutputFlags = flags;
    WorldWindow.zoom = 2.0f;
    ASSERT_TRUE(SetWorldWindow(&target, 0, -225 * kMM, 300 * kMM, 0));
    LineWidthSet(0);
    {
      QtPainterDevice dc(&image);
      DrawSample(dc);
    }
    const std::string name =
        flags & kOutputSmooth ? "sample_drawing_smooth.png" : "sample_drawing.png";
    EXPECT_TRUE(image.save(QString::fromStdString(OutputPath(name))));
    EXPECT_GT(Ink(image, 0, 0, w, 700), 0.01);     // the line types
    EXPECT_GT(Ink(image, 40, 750, 1080, 30), 0.01); // the axis
    EXPECT_GT(Ink(image, 760, 795, 200, 90), 0.05); // the filled path
  }
  DrawLibReset();
}

}  // namespace
