#include "drawlib/params_apply.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "drawlib/color_scheme.h"
#include "drawlib/device/world_window.h"
#include "drawlib/linetypes/draw_alt_bnd.h"
#include "drawlib/pardata.h"
#include "drawlib/ps_interface.h"
#include "drawlib/text/label_attrs.h"
#include "platform/runtime_numbers.h"

WorldRect PrintableRect;
WorldRect PaperRect;

namespace {

constexpr float kWorldToMM = 0.024875622f;  // 1 / 40.2

bool IsShapeRow(int i) {
  switch (i) {
    case 15: case 16: case 19: case 41: case 44: case 45: case 46: case 47:
      return true;
    default:
      return false;
  }
}

// Printable and paper rectangles for the print scale s (row 35).
void ApplyPrintScale(float s, int16_t mode) {
  // A scale that is 0, negative or not a number is never divided by: the built-in scale is used.
  if (!(s > 0.0f) || !std::isfinite(s)) s = Pardata[35].Value;
  const PrinterPageSizes& p = PrinterPage;
  const bool known = p.printableWidth != 0 && p.printableHeight != 0;
  if (!(mode & kApplyNoPrinter) &&
      !(known && PageIsLandscape(float(p.printableWidth), float(p.printableHeight)))) {
    int16_t options = kPrinterSetupQuery;
    PrinterSetup(options);
  }
  double a, b, c, d;
  if (p.printableWidth != 0 && p.paperWidth != 0) {
    a = p.printableWidth * 0.5 / s;
    b = p.printableHeight * 0.5 / s;
    c = p.paperWidth * 0.5 / s;
    d = p.paperHeight * 0.5 / s;
  } else {
    a = c = kLetterHalfWidth / s;
    b = d = kLetterHalfHeight / s;
  }
  if (!PageIsLandscape(float(a), float(b))) {
    std::swap(a, b);
    std::swap(c, d);
  }
  PrintableRect = {float(-a), float(b), float(a), float(-b)};
  PaperRect = {float(-c), float(d), float(c), float(-d)};
  const float sideMin = float((c - a) * kWorldToMM);
  const float topMin = float((d - b) * kWorldToMM);
  for (int row : {106, 107}) Pardata[row].Min = sideMin;
  for (int row : {104, 105}) Pardata[row].Min = topMin;
  for (int row = 104; row <= 107; ++row) {
    Pardata[row].Default = std::max(Pardata[row].Min, Pardata[row].Default);
  }
}

}  // namespace

void ParamsApply(const std::string& rowCodes, int16_t& mode) {
  for (const char code : rowCodes) {
    const int i = static_cast<unsigned char>(code);
    if (!PardataRowValid(i)) continue;
    ParRecord& row = Pardata[i];
    float x = row.Default;
    if (mode & kApplyValidate) {
      x = ParamValidate(x, static_cast<int16_t>(i));
      row.Default = x;
    }
    if (!(mode & kApplyToLibrary)) continue;
    if (i <= 11) {
      LabelAttrs[i] = x;
      if (i == 11) {
        int16_t colour = 0;
        if (TryCInt(x, colour)) SchemeTextColor = DefaultColorRGB(colour);
      }
    } else if (IsShapeRow(i)) {
      DrawAltBnd(nullptr, 0, 0, 0, 0, 0, kDrawAltBndReloadShapes);
    } else if (i >= 27 && i <= 31) {
      int16_t tenths = 0;
      if (TryCInt(double(x) * 10.0, tenths) && tenths >= 0 && tenths < 256) {
        LineWidthSet(static_cast<int16_t>(-((i - 26) * 256 + tenths)));
      }
    } else if (i == 57) {
      int16_t again = kApplyValidate | kApplyToLibrary;
      ParamsApply(std::string(1, char(35)), again);
    } else if (i == 35) {
      ApplyPrintScale(x, mode);
    }
  }
}
