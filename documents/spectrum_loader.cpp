#include "documents/spectrum_loader.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "documents/file_dialog.h"
#include "documents/spec_import.h"
#include "documents/spec_loaders.h"
#include "documents/spec_record.h"
#include "drawlib/util/geometry.h"
#include "drawlib/util/paths.h"
#include "engine/engine_globals.h"
#include "engine/mainwin_services.h"
#include "platform/msgbox.h"
#include "platform/runtime_numbers.h"

namespace {

constexpr char kClipboardName[] = "<clipboard>";
// The open-file dialog's flags: file and path must exist, help button, folder kept, no
// read-only box.
constexpr int32_t kOpenDialogFlags = 6172;

// Kept from the last load for a later re-mapping; raw values below rawFirst hold nothing.
struct LastLoad {
  double pointsPerHz = 0;
  float largest = 1, smallest = 0;
  int32_t rawFirst = 0;
};
LastLoad gLast;

// The loaded display points of each array that a mapping filled.
std::map<const std::vector<float>*, SpecShownPoints> gShown;

double PointsPerHz(const SpecRec& rec) {
  const double v = rec.WdthHz > 0 ? double(rec.NumPts) / double(rec.WdthHz) : 0.0;
  return std::isfinite(v) ? v : 0.0;
}

// The range of the loaded raw values first..last.
void KeepRange(int32_t first, int32_t last) {
  gLast.rawFirst = first;
  last = std::min(last, static_cast<int32_t>(SpecRawData.size()) - 1);
  if (first < 0 || first > last) {
    gLast.largest = 1;
    gLast.smallest = 0;
    return;
  }
  gLast.largest = gLast.smallest = SpecRawData[static_cast<std::size_t>(first)];
  ArrayMinMax(SpecRawData, gLast.largest, gLast.smallest, first, last);
}

// 64-bit rounding of a point position; false when it does not fit.
bool ToPoint(double v, int64_t& out) {
  if (!std::isfinite(v) || std::fabs(v) > 4e18) return false;
  out = static_cast<int64_t>(v);
  return true;
}

}  // namespace

float SpecResample(const std::vector<float>& raw, std::vector<float>& target, int32_t count,
                   double pointsPerHz, double startHz, double refHz, double widthHz,
                   int32_t rawFirst, SpecShownPoints* shown) {
  if (count < 0) count = 0;
  if (shown) *shown = SpecShownPoints{};
  if (target.size() < static_cast<std::size_t>(count) + 1)
    target.resize(static_cast<std::size_t>(count) + 1, 0.0f);
  int64_t offset = 0;
  const bool offsetFits = ToPoint(RoundHalfEven((startHz - refHz) * pointsPerHz), offset);
  const double step = count > 0 ? pointsPerHz * widthHz / count : 0.0;
  const int64_t lastIndex = static_cast<int64_t>(raw.size()) - 1;
  const int64_t firstIndex = std::max<int64_t>(rawFirst, 0);
  float smallest = 1e6f;
  for (int32_t i = 1; i <= count; ++i) {
    const double p = i * step;
    int64_t whole = 0;
    float y = 0;
    if (offsetFits && ToPoint(p, whole) && std::fabs(double(whole) + double(offset)) < 4e18) {
      const int64_t k = whole + offset;
      if (k >= firstIndex && k + 1 <= lastIndex) {
        y = raw[static_cast<std::size_t>(k)];
        if (step <= 1) {
          const double next = raw[static_cast<std::size_t>(k + 1)];
          y = static_cast<float>(y + (next - y) * (p - double(whole)));
        }
        // k runs monotonically with i, so the loaded points form one run.
        if (shown) {
          if (shown->last < shown->first) shown->first = i;
          shown->last = i;
        }
      }
    }
    target[static_cast<std::size_t>(i)] = y;
    smallest = std::min(smallest, y);
  }
  return smallest;
}

bool SpecLoadedPoints(const std::vector<float>& target, SpecShownPoints& shown) {
  const auto it = gShown.find(&target);
  if (it == gShown.end()) return false;
  shown = it->second;
  return true;
}

void SpectrumLoaderReset() {
  gLast = LastLoad{};
  gShown.clear();
}

int16_t LoadSpectrumKavo(std::string& fileName, std::vector<float>& target, float startHz,
                         float widthHz, float refHz, float& multiplier, int16_t flags) {
  if (flags & kLoadOpenDialog) {
    std::string folder, name;
    if (!fileName.empty() && fileName != kClipboardName) SplitPath(fileName, folder, name);
    const std::string chosen =
        FileDialog("", fileName == kClipboardName ? "" : fileName, folder, "All files (*.*)|*.*",
                   kOpenDialogFlags, 1);
    if (chosen.empty()) return kSpectrumNothingLoaded;
    fileName = chosen;
  }

  // The caller's multiplier is the display's vertical scale; line fitting passes gSpec.VertMult
  // itself, which reading a file or an import refills from the new spectrum's header.
  const float displayMultiplier = multiplier;
  if (flags & kLoadReadFile) {
    MainWindow().SetMousePointer(MainWindowServices::kPointerHourglass);
    const int16_t loaded = LoadSpectrumFile(fileName, gSpec, SpecRawData);
    MainWindow().SetMousePointer(MainWindowServices::kPointerDefault);
    if (loaded == 0) return kSpectrumNothingLoaded;
    gLast.pointsPerHz = PointsPerHz(gSpec);
    KeepRange(SpecLowestLoaded(), gSpec.NumPts);
  } else if (flags & (kLoadFromClipboard | kLoadFromDrawing)) {
    if (!SpecImport(gSpec, flags)) return kSpectrumNothingLoaded;
    gLast.pointsPerHz = PointsPerHz(gSpec);
    startHz = gSpec.DispOffHz;
    widthHz = gSpec.DispWdthHz;
    refHz = gSpec.Ref;
    // The spectrum object carries points 1..NumPts.
    KeepRange(1, static_cast<int32_t>(SpecRawData.size()) - 1);
  }

  multiplier = displayMultiplier;
  if (!(gLast.largest - gLast.smallest >= 1)) gLast.largest = gLast.smallest + 1;
  const double verticalScale = 1.0 / (double(gLast.largest) - double(gLast.smallest));
  if (!(flags & kLoadResample)) return kSpectrumLoaded;

  SpecShownPoints shown;
  const float smallest = SpecResample(SpecRawData, target, gNumPts, gLast.pointsPerHz, startHz,
                                      refHz, widthHz, gLast.rawFirst, &shown);
  if (SpecRawData.empty()) gShown.erase(&target);
  else gShown[&target] = shown;
  if (multiplier == 0) {
    multiplier = 1.0f;
    MsgBox("Error in vmult = 0");
  }
  for (int32_t i = 1; i <= gNumPts; ++i) {
    const double v = (double(target[static_cast<std::size_t>(i)]) - smallest) * verticalScale *
                     double(multiplier);
    target[static_cast<std::size_t>(i)] =
        std::isfinite(v) && std::fabs(v) < 3e38 ? static_cast<float>(v) : 0.0f;
  }
  MainWindow().SetMousePointer(MainWindowServices::kPointerDefault);
  return kSpectrumLoaded;
}

int16_t SpectrumLoader::LoadSpectrumKavo(std::string& fileName, std::vector<float>& target,
                                         float startHz, float widthHz, float refHz,
                                         float& multiplier, int16_t flags) {
  return ::LoadSpectrumKavo(fileName, target, startHz, widthHz, refHz, multiplier, flags);
}

float& SpectrumLoader::SpecRef() { return gSpec.Ref; }

bool SpectrumLoader::LoadedPoints(const std::vector<float>& target, int32_t& first,
                                  int32_t& last) {
  SpecShownPoints shown;
  if (!SpecLoadedPoints(target, shown)) return false;
  first = shown.first;
  last = shown.last;
  return true;
}
