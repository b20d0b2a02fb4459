// Arbitrary bytes as each of the four experimental spectrum formats: a load either fails or
// gives 1 <= points <= the values the bytes hold, every value finite, and a finite mapping onto
// the display grid.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <unistd.h>

#include "documents/spec_import.h"
#include "documents/spec_loaders.h"
#include "documents/spectrum_loader.h"
#include "engine/engine_globals.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/silent_boxes.h"
#include "platform/atomic_file.h"

namespace {

using Loader = int16_t (*)(const std::string&, SpecRec&, std::vector<float>&);

const std::string& ScratchPath() {
  static const std::string path = [] {
    const char* tmp = std::getenv("TMPDIR");
    return std::string(tmp && *tmp ? tmp : "/tmp") + "/kavo_fuzz_spectrum_" +
           std::to_string(::getpid());
  }();
  return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static SilentBoxes boxes;
  SetMsgBoxHandler(&boxes);
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  if (!WriteFileAtomic(ScratchPath(), bytes)) return 0;
  const Loader loaders[] = {LoadSpectrumLybrics, LoadSpectrumNuts, LoadSpectrumNUTST3,
                            LoadSpectrumTECMAG};
  for (Loader load : loaders) {
    SpecRec rec;
    std::vector<float> raw;
    const int16_t result = load(ScratchPath(), rec, raw);
    FuzzCheck(result == -1 || result == 0, "loader result");
    if (result != -1) continue;
    FuzzCheck(rec.NumPts >= 1 && std::size_t(rec.NumPts) <= size / 4, "points within the bytes");
    FuzzCheck(raw.size() == std::size_t(rec.NumPts) + 1, "raw array 0..points");
    for (float v : raw) FuzzCheck(std::isfinite(v), "finite value");
    const double perHz = double(rec.NumPts) / double(rec.WdthHz);
    std::vector<float> target;
    SpecResample(raw, target, 512, perHz, rec.DispOffHz, rec.Ref, rec.WdthHz);
    for (float v : target) FuzzCheck(std::isfinite(v), "finite resampled value");
  }
  return 0;
}
