// The EPS text of a 65 536-point trace and 200 labels, from the header to the trailer.
#include <benchmark/benchmark.h>

#include <cmath>
#include <string>

#include "drawlib/device/world_window.h"
#include "drawlib/pardata.h"
#include "output/postscript_writer.h"

namespace {

void BM_PostScriptDocument(benchmark::State& state) {
  Pardata[21].Default = 0.7f;
  Pardata[35].Default = 0.7f;
  OutputFlags = kOutputPostScript;
  ZEF1PS writer;
  size_t bytes = 0;
  for (auto _ : state) {
    writer.PSHeader("bench", 0.0f, 0.0f, 8000.0f, 6000.0f);
    writer.PSLineWidth(8);
    writer.PSColor(0x800000);
    writer.PSPolyline(100.0f, 100.0f, 1);
    for (int i = 1; i < 65536; ++i) {
      const float d = (float(i) - 32768.0f) / 300.0f;
      writer.PSPolyline(100.0f + float(i) * 0.12f, 100.0f + 5000.0f / (1.0f + d * d), 2);
    }
    writer.PSPolyline(0.0f, 0.0f, 4);
    for (int i = 0; i < 200; ++i) {
      const int32_t x = 100 + 38 * i, y = 5500;
      writer.PSColor(uint32_t(i & 1) * 0xFF);
      writer.PSFont("Arial", 140, 140, 3);
      writer.PSXY(-997, 0, 0, x, y);
      writer.PSAppend(" _LbINI");
      writer.PSDirection(90);
      writer.PSXY(-997, 0, 0, x, y - 70);
      writer.PSAppend(" (\\025d = " + std::to_string(i) + " Hz) _LbTXT _LbEND");
      writer.PSXY(-997, 0, 0, x, y);
    }
    const std::string doc = writer.PSTrailer();
    bytes = doc.size();
    benchmark::DoNotOptimize(doc.data());
  }
  state.counters["bytes"] = double(bytes);
}
BENCHMARK(BM_PostScriptDocument)->Unit(benchmark::kMillisecond);

}  // namespace
