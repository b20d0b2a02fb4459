// Renders sample labels (sub- and superscripts, Greek, bold, italic, underline, the page and
// date fields, every charge mark above and below, the double dagger of activation quantities,
// multi-line labels of kinds M, T and L, directions 0, 45 and 90, fonts 0, 3 and 4) through the Qt painter
// device with the glyphs of the generated KAVO71.dat, at 96 and at 192 DPI (an image with a
// device pixel ratio of 2), into text-samples-96.png and text-samples-192.png in the build folder
// (or in $KAVO_SAMPLE_DIR when set).
#include <gtest/gtest.h>

#include <QImage>

#include <cstdlib>
#include <string>

#include "documents/data_file.h"
#include "documents/file_location.h"
#include "documents/file_startup.h"
#include "drawlib/color_scheme.h"
#include "drawlib/device/output_object.h"
#include "drawlib/device/world_window.h"
#include "drawlib/drawlib_init.h"
#include "drawlib/ini/libr_ini.h"
#include "drawlib/pardata.h"
#include "drawlib/text/label_draw.h"
#include "drawlib/text/label_layout.h"
#include "platform/ui/gdi/qt_painter_device.h"
#include "tests/support/image_target.h"
#include "tests/support/msgbox_recorder.h"
#include "tests/support/process_state.h"
#include "tests/support/scratch_folder.h"

namespace {

constexpr float kMM = 40.2f;

std::string OutputPath(const std::string& name) {
  const char* dir = std::getenv("KAVO_SAMPLE_DIR");
  return (dir ? std::string(dir) : std::string(KAVO_BUILD_DIR)) + "/" + name;
}

void Label(Device& dc, const std::string& label, float xMM, float yMM) {
  StepBoxRec box;
  LabelDraw(&dc, 1, 0xFFFF, label, box, StepData{}, xMM * kMM, yMM * kMM, 5);
}

void DrawSamples(Device& dc) {
  LabelAttrReset(&dc);
  const char* const texts[] = {
      "^d = 7.26 ppm, J|A|B = 12.5 Hz, ~1~3C, x~2 + y|i",
      "^a ^b ^g ^D ^S ^O ^p ^m ^T ^^ ^| ^~ 25^*C, 1 ^. 2 ^M 3",
      "^Jbold^j, ^Iitalic^i, u_n_d_e_r_l_i_n_e_d, ^[a range^], \\ digit space",
      "Page {Page#}, printed {Date=dd.mm.yyyy hh:nn}, {C=4}red{C} and back",
      "CH|3COO{KU-}  Fe{KU3+}  SO|4{KD2-}  N{KU=}  O{KU:}",
      "^DG~^# = 13.45 kcal/mol   C{KU-}{KD-}  C{KU=}{KD=}  C{KU:}{KD:}  ^DH~^#, ^DS~^#",
  };
  // Multi-line labels, one kind per block: each line placed by its own width.
  const char* const multiLine[] = {"M > Centred (M):{/}a longer second line{/}3",
                                   "T > Starts (T):{//}after a double break{/}3",
                                   "L > Ends (L):{/}a longer second line{/}3"};
  const int fonts[] = {0, 3, 4};
  for (int block = 0; block < 3; ++block) {
    const std::string font = std::to_string(fonts[block]);
    const float top = -12.0f - float(block) * 72.0f;
    Label(dc, "X O = " + font + " H = 4 C = 1 > Font " + font + ":", 8, top);
    Label(dc, std::string(multiLine[block]).replace(1, 0, " O = " + font + " H = 3"), 255,
          top - 12.0f);
    for (int row = 0; row < 6; ++row)
      Label(dc, "X O = " + font + " H = 4 > " + texts[row], 14, top - 10.0f - float(row) * 11.0f);
    for (int d : {0, 45, 90}) {
      const std::string dir = std::to_string(d);
      Label(dc, "X O = " + font + " H = 4 D = " + dir + " > D = " + dir + " ^a|1",
            200.0f + float(d) * 0.9f, top - 55.0f);
    }
  }
  Label(dc, "M O = 3 H = 3 C = 2 > A two-line caption{/}with ^Jbold^j and ^a~2", 270, -225);
  FontSetAPI(&dc, 0);
}

double Ink(const QImage& image, int x0, int y0, int w, int h) {
  int n = 0;
  for (int y = y0; y < y0 + h; ++y)
    for (int x = x0; x < x0 + w; ++x)
      if (image.pixel(x, y) != qRgb(255, 255, 255)) ++n;
  return double(n) / double(w * h);
}

TEST(TextSamples, SampleLabelsAt96And192Dpi) {
  MsgBoxRecorder boxes;
  ScratchFolder folder;
  ResetProcessState();
  PardataBuild();
  IniRegisterFile(folder.File("KAVO71.ini"));
  FileLocation[kLocDataFile] = KAVO71_DAT_PATH;
  DocumentServicesRegister();
  for (int i = 0; i < 16; ++i) ColorScheme.ColorPalette[size_t(i)] = DefaultColorRGB(i);
  ColorScheme.ColorPalette[16] = DefaultColorRGB(0);
  SchemePaletteFlag = true;
  SchemeBackColor = 0xFFFFFF;
  SetLabelClock([] {
    std::tm t{};
    t.tm_year = 126, t.tm_mon = 11, t.tm_mday = 10, t.tm_hour = 9, t.tm_min = 5;
    return t;
  });
  StylesInit(9);
  StylesInit(0);
  StylesInit(-1);
  for (int ratio : {1, 2}) {
    const int w = 1200, h = 900;  // logical pixels: 317.5 x 238 mm at 96 DPI
    QImage image(w * ratio, h * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    ImageTarget target(w, h);
    OutputTarget = &target;
    OutputFlags = kOutputFlagsScreen;
    WorldWindow.zoom = 1.0f;
    ASSERT_TRUE(SetWorldWindow(&target, 0, -238.125f * kMM, 317.5f * kMM, 0));
    {
      QtPainterDevice dc(&image);
      DrawSamples(dc);
    }
    const std::string name = ratio == 1 ? "text-samples-96.png" : "text-samples-192.png";
    EXPECT_TRUE(image.save(QString::fromStdString(OutputPath(name))));
    // Each font's block has text, and the stroke font's too (its glyphs come from KAVO71.dat).
    for (int block = 0; block < 3; ++block) {
      const int y = int((12.0f + float(block) * 72.0f) * 3.7795f) * ratio;
      EXPECT_GT(Ink(image, 40 * ratio, y, 800 * ratio, 200 * ratio), 0.01) << name << block;
    }
  }
  EXPECT_TRUE(boxes.empty()) << boxes.last().text;
  SetLabelClock(nullptr);
  ResetProcessState();
}

}  // namespace
