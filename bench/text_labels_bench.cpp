// What every screen redraw spends on text: 300 labels on a 1200 x 900 picture through the Qt
// painter device, as the axes and captions of a drawing bring them: 294 axis numbers (kinds M
// and L, 2.5 mm high, laid out) and six two-line captions with Greek letters, sub- and superscripts and bold. One
// iteration is one redraw: a painter on the image, the label attributes reset, the labels, the
// font released. Runs on Qt's offscreen platform.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>

#include <cstdlib>
#include <string>
#include <vector>

#include "drawlib/color_scheme.h"
#include "drawlib/device/output_object.h"
#include "drawlib/device/world_window.h"
#include "drawlib/drawlib_init.h"
#include "drawlib/pardata.h"
#include "drawlib/text/glyph_tables.h"
#include "drawlib/text/label_draw.h"
#include "platform/runtime_numbers.h"
#include "platform/ui/gdi/qt_painter_device.h"

namespace {

constexpr float kMM = 40.2f;

class ImageTarget : public OutputObject {
 public:
  void SetForeColor(uint32_t) override {}
  void SetBackColor(uint32_t) override {}
  void SetDrawStyle(int16_t) override {}
  void SetDrawMode(int16_t) override {}
  float WidthTwips() const override { return 1200 * 15.0f; }
  float HeightTwips() const override { return 900 * 15.0f; }
};

struct Placed {
  std::string label;
  float x, y;
};

std::vector<Placed> Labels() {
  std::vector<Placed> out;
  // Six horizontal axes of 35 numbers and two vertical ones of 42, 2.5 mm high.
  for (int axis = 0; axis < 6; ++axis)
    for (int i = 0; i < 35; ++i)
      out.push_back({"M  H = 2.5 > " + Format(10.0 - 0.25 * i, "0.00"),
                     (16.0f + 8.4f * float(i)) * kMM, -(30.0f + 32.0f * float(axis)) * kMM});
  for (int axis = 0; axis < 2; ++axis)
    for (int i = 0; i < 42; ++i)
      out.push_back({"L  H = 2.5 > " + Format(2.5 * i, "0.0"), (9.0f + 301.0f * float(axis)) * kMM,
                     -(8.0f + 5.0f * float(i)) * kMM});
  const char* const captions[] = {
      "M H = 4 > ^d|H (ppm){/}J|A|B = 12.5 Hz, ^n|0 = 400 MHz",
      "M H = 4 > ~1~3C NMR, ^Jbold^j{/}^D^n|1|/|2 = 35 Hz",
      "M H = 3 > k = 2.5 x 10~4 s~-~1{/}^DG~^# = 54.2 kJ mol~-~1",
      "M H = 3.5 P = 2 > Spectrum of CH|3CH|2OH{/}T = 298 K, ^t = 0.3 s",
      "M > ^a, ^b, ^g and ^D{/}^Iitalic^i and u_n_d_e_r",
      "M H = 5 C = 9 > Title: AB quartet{/}^d|A = 7.12, ^d|B = 7.31",
  };
  for (int i = 0; i < 6; ++i)
    out.push_back({captions[i], (70.0f + 90.0f * float(i % 3)) * kMM,
                   -(212.0f + 14.0f * float(i / 3)) * kMM});
  return out;
}

void BM_ThreeHundredLabels(benchmark::State& state) {
  static int argc = 1;
  static char name[] = "bench_text_labels";
  static char* argv[] = {name, nullptr};
  static QGuiApplication app(argc, argv);
  DrawLibReset();
  PardataBuild();
  for (int i = 0; i < 16; ++i) ColorScheme.ColorPalette[size_t(i)] = DefaultColorRGB(i);
  SchemePaletteFlag = true;
  SetGlyphEntrySource([](int16_t) { return std::string(); });
  StylesInit(-1);
  FontNames[3] = "Arial";
  FontNames[4] = "Times New Roman";
  ImageTarget target;
  OutputTarget = &target;
  OutputFlags = kOutputFlagsScreen;
  SetWorldWindow(&target, 0, -238.125f * kMM, 317.5f * kMM, 0);
  const std::vector<Placed> labels = Labels();
  QImage image(1200, 900, QImage::Format_RGB32);
  image.fill(Qt::white);
  for (auto _ : state) {
    QtPainterDevice dc(&image);
    LabelAttrReset(&dc);
    for (const Placed& p : labels) {
      StepBoxRec box;
      LabelDraw(&dc, 1, 0xFFFF, p.label, box, StepData{}, p.x, p.y, 3);
    }
    FontSetAPI(&dc, 0);
  }
  state.counters["labels"] = double(labels.size());
  // KAVO_BENCH_IMAGE=file.png keeps the picture, to look at what was measured.
  if (const char* file = std::getenv("KAVO_BENCH_IMAGE")) image.save(QString::fromLocal8Bit(file));
  DrawLibReset();
}

}  // namespace

BENCHMARK(BM_ThreeHundredLabels)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
