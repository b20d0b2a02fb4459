#include "mainwin/parameter_dialog_layout.h"

#include <algorithm>
#include <cmath>

#include "drawlib/util/numbers.h"
#include "drawlib/util/strings.h"
#include "mainwin/twips_int.h"
#include "platform/beep.h"
#include "platform/runtime_numbers.h"
#include "platform/runtime_text.h"

namespace {

constexpr int32_t kMatrixColumn = 1065;  // column pitch of the matrix
constexpr int32_t kMatrixRow = 300;      // row pitch of the matrix
constexpr int32_t kMatrixLeft = 120;
constexpr int32_t kButtonGap = 300;

// Sizes of the controls within a cell (their positions are the design's).
constexpr int32_t kCheckSize = 240;
constexpr int32_t kValueWidth = 750, kValueHeight = 300;
constexpr int32_t kListWidth = 915, kListHeight = 330;
constexpr int32_t kNameHeight = 240;
constexpr int32_t kNameRightMargin = 30;  // room for the frame's border and a pixel beside it
constexpr int32_t kMatrixValueWidth = 780, kMatrixValueHeight = 300;
constexpr int32_t kMatrixCheckSize = 225;

bool IsSpinMatrixType(int16_t type) {
  return type == 3 || type == 4 || type == 5 || type == 6 || type == 7 || type == 9;
}

int16_t ColumnsOf(int16_t type) {
  if (type == 14) return 5;
  if (type == 39) return 6;
  return 3;
}

int16_t ListIndexOf(float value) {
  const double rounded = RoundHalfEven(std::clamp<double>(value, 0.0, kMultiplicityMax));
  return static_cast<int16_t>(rounded);
}

// The grid cell of parameter p with its frame's corner at (x, y).
void PlaceGridCell(const SimParRec& par, int32_t x, int32_t y, ParCellLayout& cell) {
  cell.placed = true;
  cell.frame = {x, y, kCellFrameWidth, kCellFrameHeight};
  cell.check = {x + 105, y + 120, kCheckSize, kCheckSize};
  int32_t nameLeft = x + 1140;
  if (par.Flags & kParMultiplet) {
    cell.multiplicity = true;
    cell.value = {x + 360, y + 60, kListWidth, kListHeight};
    cell.listIndex = ListIndexOf(par.Value);
    nameLeft += 165;
  } else {
    cell.value = {x + 360, y + 90, kValueWidth, kValueHeight};
    cell.valueText = CommaToPoint(Format(par.Value, "0.00"));
  }
  // The name stays inside its cell's frame, clear of the frame's border (the window fits its
  // font to that room).
  cell.name = {nameLeft, y + 135, x + kCellFrameWidth - kNameRightMargin - nameLeft, kNameHeight};
}

}  // namespace

int16_t CouplingCount(int16_t k) {
  if (k >= 1 && k <= 7) return static_cast<int16_t>(k * (k + 1) / 2);
  Beep();
  return 0;
}

void CouplingMatrixLayout(int16_t n, const ParameterDialogInput& in, ParameterDialogLayout& out) {
  if (n < 2) return;
  // More spins than the dialog has parameters for cannot be laid out.
  n = std::min<int16_t>(n, 8);
  out.matrix = true;
  const int32_t width = (n + 1) * kMatrixColumn - 300;
  out.matrixHeader = {170, 690, width, 400};
  out.matrixBody = {170, 1140, width, (n - 1) * kMatrixRow + 100};
  int k = 0;
  for (int i = 0; i < n; ++i) {
    const int32_t rowShift = i == 0 ? 150 : 0;
    for (int j = i + 1; j <= n && k < kSimParCount; ++j, ++k) {
      ParCellLayout& cell = out.cells[static_cast<size_t>(k)];
      cell.placed = true;
      cell.inMatrix = true;
      cell.red = i > 0;
      cell.value = {kMatrixColumn * j + kMatrixLeft, (i + 3) * kMatrixRow - rowShift,
                    kMatrixValueWidth, kMatrixValueHeight};
      cell.valueText = CommaToPoint(Format(in.pars[static_cast<size_t>(k)].Value, "0.000"));
      cell.check = {TwipsInt((j - 0.23) * kMatrixColumn + kMatrixLeft),
                    TwipsInt((i + 3.08) * kMatrixRow) - rowShift, kMatrixCheckSize,
                    kMatrixCheckSize};
    }
  }
  const int32_t firstColumn = TwipsInt(kMatrixColumn * 0.1 + kMatrixLeft);
  out.texts.push_back({firstColumn, 450, "y = "});
  for (int m = 1; m <= n; ++m) {
    const char label = static_cast<char>(in.spins[static_cast<size_t>(m)].Label);
    out.texts.push_back({TwipsInt((m + 0.1) * kMatrixColumn + kMatrixLeft), 450,
                         Format(m, "##") + " (" + std::string(1, label) + ")"});
  }
  out.texts.push_back({firstColumn, 770, "Shift(y):"});
  out.texts.push_back({firstColumn, 1200, "Coupling:"});
  for (int r = 1; r < n; ++r)
    out.texts.push_back({1185, (r + 3) * kMatrixRow, "J(" + Format(r, "##") + ", y)"});
}

ParameterDialogLayout LayoutParameterDialog(const ParameterDialogInput& in) {
  ParameterDialogLayout out;
  const int32_t h = kCellFrameHeight + kCellGap;
  const int32_t w = kCellFrameWidth + kCellGap;
  const int16_t lastPar = std::clamp<int16_t>(in.lastPar, 0, kSimParCount - 1);
  if (IsSpinMatrixType(in.simType)) {
    const int16_t n = in.numSpins;
    CouplingMatrixLayout(n, in, out);
    out.gridTop = n * 300 + 1100;
    out.firstGridPosition = static_cast<int16_t>(n + CouplingCount(static_cast<int16_t>(n - 1)));
  }
  out.columns = ColumnsOf(in.simType);
  out.width = std::max(kDialogMinWidth, out.columns * w + 300);

  // A dialog without grid cells puts its buttons where the grid would start.
  int32_t bottom = out.gridTop - h;
  for (int k = out.firstGridPosition; k <= lastPar; ++k) {
    const int16_t p = DigitAt(in.order, static_cast<int16_t>(k + 1));
    // Positions that name no parameter of the type, or one already placed, are skipped.
    if (p < 0 || p > lastPar || out.cells[static_cast<size_t>(p)].placed) continue;
    const int32_t x = ((k - out.firstGridPosition) % out.columns) * w + 150;
    const int32_t y = ((k - out.firstGridPosition) / out.columns) * h + out.gridTop;
    PlaceGridCell(in.pars[static_cast<size_t>(p)], x, y, out.cells[static_cast<size_t>(p)]);
    bottom = std::max(bottom, y);
  }

  const int32_t buttonsTop = bottom + h;
  const int32_t clientWidth = out.width - kDialogFrameWidth;
  const int32_t row = 4 * kDialogButtonWidth + 3 * kButtonGap;
  for (int b = 0; b < 4; ++b)
    out.buttons[static_cast<size_t>(b)] = {(clientWidth - row) / 2 + b * (kDialogButtonWidth + kButtonGap),
                                           buttonsTop, kDialogButtonWidth, kDialogButtonHeight};
  out.height = std::max(bottom + 1100, buttonsTop + kDialogButtonHeight + 500);
  return out;
}

ParameterDialogInput CurrentParameterDialogInput() {
  ParameterDialogInput in;
  in.simType = gSimType;
  if (gSimType >= 0 && gSimType < kSimTypeCount)
    in.order = Trim(gSimTypes[static_cast<size_t>(gSimType)].Order);
  in.lastPar = gLastPar;
  in.numSpins = gNumSpinMarks;
  in.spins = gSpinMarks;
  in.pars = gSimPar;
  return in;
}
