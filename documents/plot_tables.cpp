#include "documents/plot_tables.h"

#include "documents/plot_text.h"
#include "drawlib/pardata.h"
#include "drawlib/steps/step_list.h"
#include "drawlib/util/numbers.h"
#include "drawlib/util/strings.h"
#include "engine/engine_globals.h"
#include "engine/sim_type_traits.h"
#include "platform/runtime_numbers.h"

namespace {

constexpr float kWorldPerMM = 40.2f;
constexpr float kNextTableGap = 482.4f;
constexpr float kFirstRowGap = 120.6f;

float RowHeight(float relative) {
  return 2 * Pardata[2].Default * Pardata[8].Default * relative * kWorldPerMM;
}

std::string Cell(float x) { return CommaToPoint(Format(x, "0.00")); }

// Cells of a table: column position c at bx + (c - centring / 2) x w, row k below the heading.
struct TableGrid {
  float bx, y0, w, h, centring;
  float X(int c) const { return bx + (c - centring / 2) * w; }
  float Y(int k) const { return y0 - h - kFirstRowGap - k * h; }
};

void NextTableStart(float& y0) { y0 = StepList.Y[static_cast<std::size_t>(StepCount)] - kNextTableGap; }

}  // namespace

void PlotParametersTable(float bx, float& y0) {
  const int columns = !HasOwnLineWidths(gSimType) ? 4 : gSimType == 14 ? 5 : gSimType == 39 ? 6 : 3;
  const std::string prefix = "T  R = " + Str(0.85f) + " > ";
  if (!PlotAddLabel(bx, y0, "M  R = 1.1 P = 2 > Parameters")) return;
  const TableGrid grid{bx, y0, 1608, RowHeight(0.85f), float(columns)};
  std::string order = gSimTypes[static_cast<std::size_t>(gSimType)].Order;
  order = TrimNul(order, 0);
  for (std::size_t p = 0; p < order.size(); ++p) {
    const int k = static_cast<uint8_t>(order[p]) - 48;
    if (!PlotAddLabel(grid.X(int(p) % columns), grid.Y(int(p) / columns), prefix + PlotParamText(k)))
      return;
  }
  NextTableStart(y0);
}

void PlotFrequenciesTable(float bx, float& y0) {
  const std::string prefix = "L  R = " + Str(0.7f) + " > ";
  if (!PlotAddLabel(bx, y0, "M  R = 1.12 P = 2 > Frequencies (" + Str(gNumLines) + " )")) return;
  const TableGrid grid{bx, y0, 1608, RowHeight(0.7f), 4};
  auto group = [&](int g, int row, const std::string& a, const std::string& b,
                   const std::string& c) {
    const float x = grid.X(g), y = grid.Y(row);
    return PlotAddLabel(x, y, prefix + a) && PlotAddLabel(x + 522.6f, y, prefix + b) &&
           PlotAddLabel(x + 924.6f, y, prefix + c);
  };
  for (int g = 0; g < 4; ++g)
    if (!group(g, 0, "No", "Freq", "Inten")) return;
  const int lines = std::min<int>(gNumLines, static_cast<int>(gLineFreq.size()) - 1);
  for (int l = 1; l <= lines; ++l) {
    if (!group((l - 1) % 4, (l + 3) / 4, Format(l, "0"), Cell(gLineFreq[std::size_t(l)]),
               Cell(gLineInt[std::size_t(l)])))
      return;
  }
  NextTableStart(y0);
}

void PlotExchangeTable(float bx, float& y0) {
  const int n = std::min<int>(gSpinCount, kAnalysisSlots - 1);
  const std::string prefix = "L  R = " + Str(0.7f) + " > ";
  if (n == 2) {
    const float k = gSimPar[1].Value, p = gSimPar[4].Value;
    ExchKAt(1, 2) = k * (1 - p / 100);
    ExchKAt(2, 1) = k * p / 100;
    ExchKAt(1, 1) = -ExchKAt(1, 2);
    ExchKAt(2, 2) = -ExchKAt(2, 1);
  }
  if (!PlotAddLabel(bx, y0, "M  R = 1.12 P = 2 > Exchange Matrix")) return;
  const TableGrid grid{bx, y0, 683.4f, RowHeight(0.7f), float(n + 2)};
  auto label = [](int s) { return std::string(1, static_cast<char>(gSpins[std::size_t(s)].Label)); };
  for (int row = 0; row <= n; ++row) {
    for (int c = 0; c <= n + 2; ++c) {
      std::string text;
      if (row == 0) {
        if (c == 0) continue;
        text = c <= n ? label(c) : c == n + 1 ? "Pop." : "Wd(Hz)";
      } else if (c == 0) {
        text = label(row);
      } else if (c <= n) {
        text = CommaToPoint(Format(ExchKAt(row, c), "0.000e-0"));
      } else if (c == n + 1) {
        text = CommaToPoint(Format(gSitePop[std::size_t(row)], "0.000"));
      } else {
        text = Cell(gSiteR2[std::size_t(row)] / 3.14159625f);
      }
      if (!PlotAddLabel(grid.X(c), grid.Y(row), prefix + text)) return;
    }
  }
}
