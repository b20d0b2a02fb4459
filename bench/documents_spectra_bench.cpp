// Speed of the experimental spectrum loader and of the cached redraw of a spectrum object.
#include <benchmark/benchmark.h>

#include <QImage>

#include <cmath>
#include <filesystem>
#include <fstream>

#include "documents/spec_packet.h"
#include "documents/spec_print.h"
#include "documents/spectrum_loader.h"
#include "drawlib/device/output_object.h"
#include "drawlib/device/world_window.h"
#include "drawlib/drawlib_init.h"
#include "drawlib/pardata.h"
#include "engine/engine_globals.h"
#include "platform/ui/gdi/qt_painter_device.h"
#include "tests/support/image_target.h"
#include "tests/documents/spectrum_fixtures.h"

namespace {

// A 65536-point TecMag file loaded (flags 3) onto 4096 display points.
void BM_LoadSpectrumKavoTecMag65536(benchmark::State& state) {
  std::vector<float> values(65536);
  for (std::size_t i = 0; i < values.size(); ++i)
    values[i] = float(1000.0 / (1.0 + std::pow((double(i) - 30000.0) / 40.0, 2)));
  const auto path = std::filesystem::temp_directory_path() / "bench-spectrum-65536.tnt";
  std::ofstream(path, std::ios::binary) << TecmagFile(65536, 400, 0, 8000, values).bytes;
  gNumPts = 4096;
  std::vector<float> target(4097);
  for (auto _ : state) {
    std::string name = path.string();
    float mult = 1;
    if (LoadSpectrumKavo(name, target, -4000, 8000, 0, mult, 3) != kSpectrumLoaded) {
      state.SkipWithError("the fixture did not load");
      break;
    }
  }
  std::filesystem::remove(path);
}
BENCHMARK(BM_LoadSpectrumKavoTecMag65536)->Unit(benchmark::kMillisecond);

// A 32766-point spectrum object with frame and axis, drawn again from the cache onto a
// 1600 x 1000 image.
void BM_CachedRedrawOfA32766PointObject(benchmark::State& state) {
  DrawLibReset();
  PardataBuild();
  SpecRec rec;
  rec.Flags = kSpecFlagAxis | kSpecFlagFrame | kSpecFlagCurrentLayout;
  rec.WdthHz = rec.DispWdthHz = 8000;
  rec.NumPts = 32766;
  rec.HzPerPt = 8000.0f / 32766;
  rec.yMult = 12000;
  rec.VMult = 1;
  rec.Attrib = 1;
  rec.Strings = {"M > Bench", "M > Hz", "F > bench.tnt", "L > Title"};
  std::vector<int16_t> points(32767);
  for (std::size_t i = 0; i < points.size(); ++i)
    points[i] = int16_t(10000.0 / (1.0 + std::pow((double(i) - 16000.0) / 30.0, 2)));
  ByteArray data;
  std::string label;
  SpecPack(data, label, "", rec, points);
  const StepData step = data;
  QImage image(1600, 1000, QImage::Format_RGB32);
  ImageTarget target(1600, 1000);
  OutputTarget = &target;
  OutputFlags = kOutputFlagsScreen;
  SetWorldWindow(&target, -500, -500, 11000, 7000);
  QtPainterDevice dc(&image);
  int16_t flags = 0;
  SpecPrintStep(&dc, 1, label, flags, step, 0, 0);  // fills the cache
  for (auto _ : state) SpecPrintStep(&dc, 1, label, flags, step, 0, 0);
  state.counters["unpacks"] = SpecPrintUnpackCount();
  SpecPrintReset();
  OutputTarget = nullptr;
}
BENCHMARK(BM_CachedRedrawOfA32766PointObject)->Unit(benchmark::kMillisecond);

}  // namespace
