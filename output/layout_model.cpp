#include "output/layout_model.h"

#include <algorithm>
#include <cmath>

#include "drawlib/ini/libr_ini.h"
#include "drawlib/pardata.h"
#include "drawlib/text/label_attrs.h"
#include "drawlib/util/numbers.h"
#include "documents/spec_record.h"
#include "engine/engine_globals.h"
#include "platform/runtime_numbers.h"
#include "platform/runtime_text.h"

namespace {

constexpr float kWorldPerMM = 40.2f;
constexpr float kPointsPerMM = 2.835f * 1.43f;

bool Contains(const std::string& text, const char* word) {
  return text.find(word) != std::string::npos;
}

void StorePreference(int row) {
  const ParRecord& r = Pardata[row];
  IniPutString("Preferences", Trim(Str(row) + " " + r.Name),
               CommaToPoint(Format(r.Default, r.Format)));
}

}  // namespace

BoxSize BoxSizeCheck(const std::string& text, float paperWorld) {
  const float mm = ClampSngl(20, 1000, ValPoint(text));
  BoxSize b;
  b.text = Str(float(Int(mm)));
  b.worldUnits = mm * kWorldPerMM;
  float scale = Pardata[35].Default;
  if (!(scale > 0) || !std::isfinite(scale)) scale = 1;
  b.red = b.worldUnits * scale > paperWorld;
  return b;
}

std::string FullBoxSizeText(float paperWorld, float printScale) {
  if (!(printScale > 0) || !std::isfinite(printScale)) printScale = 1;
  // A whole millimetre within rounding of the paper counts; the check below keeps it honest.
  double mm = std::floor(double(paperWorld) / kWorldPerMM / printScale + 1e-3);
  // The size as the box keeps it (a 32-bit float) must not come out above the paper.
  while (mm > 0 && float(mm) * kWorldPerMM * printScale > paperWorld) mm -= 1;
  return Str(float(mm));
}

bool MHzEditable(int16_t simType, bool lineFit) { return simType != 0 && !lineFit; }

std::string PrintListOf(const std::vector<bool>& checked, const std::string& order) {
  const size_t n = std::min<size_t>(checked.size(), 200);
  std::vector<bool> listed(n, false);
  std::string list;
  auto add = [&](size_t i) {
    if (i < n && checked[i] && !listed[i]) {
      listed[i] = true;
      list += char(48 + i);
    }
  };
  for (char c : order) {
    const int i = static_cast<unsigned char>(c) - 48;
    if (i >= 0) add(size_t(i));
  }
  for (size_t i = 0; i < n; ++i) add(i);
  return list;
}

bool PrintListHas(const std::string& printList, int index) {
  return index >= 0 && index < 200 && printList.find(char(48 + index)) != std::string::npos;
}

bool LayoutApplyValues(const LayoutInput& in) {
  if (gSimType < 0 || gSimType >= int16_t(gSimTypes.size())) return false;
  SimTypeRec& type = gSimTypes[gSimType];
  type.PrintPars = PrintListOf(in.printChecked, type.Order);
  if (in.widthEdited) gPrintBoxWidth = ClampSngl(20, 1000, ValPoint(in.widthText)) * kWorldPerMM;
  if (in.heightEdited)
    gPrintBoxHeight = ClampSngl(20, 1000, ValPoint(in.heightText)) * kWorldPerMM;
  if (MHzEditable(gSimType, gLineFit != 0)) gSpec.MHz = ClampSngl(1, 1000, ValPoint(in.mhzText));
  return true;
}

BoxPlace ParamBoxPlace(int index, const float (&designLefts)[5], float firstTop) {
  const int i = std::max(index, 0);
  return {designLefts[i % 5], firstTop + float(i / 5) * kParamRowStep};
}

float ParamFrameGrowth(int lastPar) { return float(std::max(lastPar, 0) / 5) * kParamRowStep; }

bool DragStarts(float downX, float downY, float x, float y) {
  return std::fabs(x - downX) + std::fabs(y - downY) > kDragThresholdTwips;
}

std::string DroppedParamIdText(const std::string& name, float value, int index) {
  return Trim(name) + " = " + Format(value, "0.00") + " [Par:" + Str(int16_t(index)) + "]";
}

int16_t FontNumberForFamily(const std::string& family) {
  static constexpr const char* kFixedOrSymbol[] = {"Mono", "Courier", "Console", "Symbol",
                                                   "Dingbat", "Typewriter", "Fixed", "Code"};
  static constexpr const char* kSans[] = {"Sans", "Arial", "Helvetica", "Verdana", "Tahoma",
                                          "Calibri", "Segoe", "Gothic", "Grotesk", "Futura"};
  static constexpr const char* kSerif[] = {"Serif", "Times", "Roman", "Georgia", "Garamond",
                                           "Palatino", "Bookman", "Cambria", "Century",
                                           "Schoolbook", "Baskerville", "Bodoni"};
  for (const char* w : kFixedOrSymbol)
    if (Contains(family, w)) return 5;
  for (const char* w : kSans)
    if (Contains(family, w)) return 3;
  for (const char* w : kSerif)
    if (Contains(family, w)) return 4;
  return 5;
}

float HeightToPoints(float heightMM) { return heightMM * kPointsPerMM; }
float PointsToHeight(float points) { return points / 4.05405f; }

void LayoutFontStore(const std::string& family, float points) {
  const int16_t number = FontNumberForFamily(family);
  Pardata[9].Default = number;
  TextNameSet(family, 9, number);
  IniPutString("Font Definitions", Trim(Str(number)), family);
  StorePreference(9);
  const float size = std::clamp(points, float(kFontPointsMin), float(kFontPointsMax));
  Pardata[2].Default = PointsToHeight(size);
  StorePreference(2);
}
