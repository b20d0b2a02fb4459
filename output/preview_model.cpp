#include "output/preview_model.h"

#include <algorithm>
#include <cmath>

#include "drawlib/device/world_window.h"
#include "drawlib/ini/libr_ini.h"
#include "drawlib/params_apply.h"
#include "drawlib/pardata.h"
#include "drawlib/steps/output_switch.h"
#include "drawlib/steps/step_list.h"
#include "drawlib/util/geometry.h"
#include "drawlib/util/numbers.h"
#include "drawlib/util/strings.h"
#include "platform/runtime_numbers.h"
#include "platform/runtime_text.h"

namespace {

constexpr int16_t kRowOrientation = 20;
constexpr int16_t kRowScale = 35;
constexpr int16_t kRowDrawingName = 48;
constexpr int16_t kRowBlackOnWhite = 56;

float Pref(int row) { return Pardata[row].Default; }

// Stores a print scale already within the row's limits and applies it.
void StoreScale(float scale, int16_t mode) {
  Pardata[kRowScale].Default = scale;
  ParamsApply(std::string(1, char(kRowScale)), mode);
}

float ClampScale(float scale) {
  const ParRecord& row = Pardata[kRowScale];
  if (!std::isfinite(scale)) return row.Max;
  return std::clamp(scale, row.Min, row.Max);
}

}  // namespace

float PreviewZoom(float pictureHeightTwips) {
  const float half = std::max(PrintableRect.right, PrintableRect.top);
  if (!(half > 0) || !(pictureHeightTwips > 0)) return 1.0f;
  return pictureHeightTwips * 0.3f / half;
}

int16_t HandleSizeFor(float zoom) {
  if (!(zoom > 0)) return 1;
  const double h = std::floor(50.0 / zoom);
  return int16_t(std::clamp(h, 1.0, 30000.0));
}

float SafePrintScale() {
  const float scale = Pref(kRowScale);
  if (std::isfinite(scale) && scale > 0) return scale;
  const float builtIn = Pardata[kRowScale].Value;
  return std::isfinite(builtIn) && builtIn > 0 ? builtIn : 1.0f;
}

std::vector<FrameShape> PageFrameShapes(const PreviewState& s) {
  std::vector<FrameShape> shapes;
  const float k = kWorldUnitsPerMM / SafePrintScale();
  const float ox = s.offsetX, oy = s.offsetY;
  const WorldRect& p = PaperRect;
  shapes.push_back({p.left + ox + k * Pref(106), p.top + oy - k * Pref(104),
                    p.right + ox - k * Pref(107), p.bottom + oy + k * Pref(105), kFrameColour,
                    false});
  if (std::fabs(p.left) > std::fabs(PrintableRect.left)) {
    const WorldRect& a = PrintableRect;
    shapes.push_back({a.left + ox, a.top + oy, a.right + ox, a.bottom + oy, kPrintableColour,
                      false});
  }
  const float h = s.handleSize;
  shapes.push_back({p.right + ox - h, p.top + oy + h, p.right + ox + h, p.top + oy - h,
                    kFrameColour, true});
  if (Pref(kRowDrawingName) > 0.5f) {
    const WorldRect& a = PrintableRect;
    const float x = a.left + 50 + ox, y = a.bottom + 50 + oy;
    const float length = (a.right - a.left) * 0.4f;
    shapes.push_back({x, y + h, x + length, y, kPrintableColour, true});
  }
  return shapes;
}

void PreviewApplyOrientation(const PreviewState& s) {
  Pardata[kRowOrientation].Default = s.orientation;
  int16_t mode = kApplyToLibrary;
  ParamsApply(std::string(1, char(kRowScale)), mode);
}

void PreviewActivate(PreviewState& s) {
  s.orientation = int16_t(std::floor(Pref(kRowOrientation)));
  s.offsetX = s.offsetY = 0;
  s.dragMode = kDragNone;
  s.savedScale = Pref(kRowScale);
  PreviewApplyOrientation(s);
}

void PreviewMouseDown(PreviewState& s, float x, float y) {
  const float h = s.handleSize;
  const float right = PaperRect.right + s.offsetX, top = PaperRect.top + s.offsetY;
  s.dragMode = PointInRect(x, y, right - h, top - h, right + h, top + h) ? kDragResize
                                                                           : kDragMove;
  s.lastX = x;
  s.lastY = y;
}

bool PreviewMouseMove(PreviewState& s, float x, float y) {
  if (s.dragMode == kDragResize) {
    const float span = x - s.offsetX;
    if (!(span > s.handleSize)) return false;
    const float scale = ClampScale(PaperRect.right * SafePrintScale() / span);
    int16_t mode = kApplyValidate | kApplyToLibrary | kApplyNoPrinter;
    StoreScale(scale, mode);
    return true;
  }
  if (s.dragMode == kDragMove) {
    s.offsetX += x - s.lastX;
    s.offsetY += y - s.lastY;
    s.lastX = x;
    s.lastY = y;
    return true;
  }
  return false;
}

void PreviewMouseUp(PreviewState& s) { s.dragMode = kDragNone; }

void PreviewScaleStep(bool up) {
  const float scale = SafePrintScale();
  int16_t mode = kApplyValidate | kApplyToLibrary;
  StoreScale(ClampScale(up ? scale * 1.02f : scale / 1.02f), mode);
}

bool PreviewScaleTyped(const std::string& text) {
  const float v = ValPoint(text);
  const ParRecord& row = Pardata[kRowScale];
  if (!std::isfinite(v) || v < row.Min || v > row.Max || !(v > 0)) return false;
  int16_t mode = kApplyValidate | kApplyToLibrary;
  StoreScale(v, mode);
  return true;
}

std::string PreviewScaleText() { return Format(Pref(kRowScale), "0.000"); }

void PreviewApplyOffset(PreviewState& s) {
  if (s.offsetX != 0 || s.offsetY != 0) {
    StepsShift(1, -s.offsetX, -s.offsetY);
    int16_t flags = 2;
    SetOutputObject(nullptr, nullptr, 0, s.offsetX, s.offsetY, flags);
  }
  s.offsetX = s.offsetY = 0;
}

void PreviewCancel(PreviewState& s) {
  Pardata[kRowScale].Default = s.savedScale;
  s.offsetX = s.offsetY = 0;
  s.dragMode = kDragNone;
}

int16_t PagesPerSheet(int16_t choice) {
  static constexpr int16_t kPerSheet[] = {1, 2, 4, 6};
  return kPerSheet[std::clamp<int16_t>(choice, 0, 3)];
}

PageRange PrintPageRange(int16_t choice, int16_t perSheet, int16_t currentPage,
                         int16_t pageCount, const std::string& fromText,
                         const std::string& toText) {
  const int16_t count = std::max<int16_t>(pageCount, 1);
  PageRange r;
  if (choice == 0) {
    r.from = currentPage;
    r.to = int16_t(currentPage + perSheet - 1);
  } else if (choice == 1) {
    r.from = 1;
    r.to = count;
  } else {
    const auto typed = [](const std::string& t) {
      return int16_t(std::clamp(Val(t), -32768.0, 32767.0));
    };
    r.from = ClampInt(1, count, typed(fromText));
    r.to = ClampInt(r.from, count, typed(toText));
  }
  return r;
}

std::string PrintRequestTag(const PageRange& range, int16_t perSheet) {
  return "Print <" + Str(range.from) + "-" + Str(range.to) + ">" + Str(perSheet) + "]";
}

std::vector<std::pair<std::string, std::string>> PreviewSetupEntries() {
  std::vector<std::pair<std::string, std::string>> entries;
  for (int row : {kRowOrientation, kRowScale, kRowDrawingName, kRowBlackOnWhite}) {
    const ParRecord& r = Pardata[row];
    entries.emplace_back(Trim(Str(row) + " " + r.Name), CommaToPoint(Format(r.Default, r.Format)));
  }
  return entries;
}

bool PreviewSaveSetup() {
  bool ok = true;
  for (const auto& [key, value] : PreviewSetupEntries())
    ok = IniPutString("Preferences", key, value) != 0 && ok;
  return ok;
}

PrintRequest ParsePrintRequest(const std::string& tag) {
  PrintRequest r;
  if (tag.find("Print") == std::string::npos) return r;
  const auto number = [](const std::string& t) {
    return int16_t(std::clamp(Int(Val(t)), -32768.0, 32767.0));
  };
  int32_t pos = 1;
  r.from = number(TextBetween(tag, "<", "-", pos));
  pos = 1;
  r.to = number(TextBetween(tag, "-", ">", pos));
  pos = 1;
  r.perSheet = number(TextBetween(tag, ">", "]", pos));
  r.print = true;
  return r;
}

PrintDecision DecidePrint(const PrintRequest& request, int16_t currentPage) {
  PrintDecision d;
  if (!request.print) return d;
  d.printCurrentPage = request.from <= currentPage && currentPage <= request.to;
  if (d.printCurrentPage && request.perSheet > 1) d.message = kSeveralPerSheetMessage;
  return d;
}
