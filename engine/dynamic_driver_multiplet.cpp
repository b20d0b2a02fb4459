// Type 42: three exchanging sites whose nuclei share four couplings. The exchange spectrum is
// computed once on a grid widened by m points on each side and added 16 times, shifted onto
// each line of the coupling multiplet.
#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

#include "engine/dynamic_driver.h"
#include "engine/engine_globals.h"
#include "engine/nsite_exchange.h"
#include "platform/runtime_numbers.h"

namespace dynamic {

namespace {

// A widened grid beyond this many points is not computed whole: only the 16 windows that are
// added are (the couplings are then huge against the point spacing).
constexpr double kMaxWidenedPoints = 200000.0;

}  // namespace

void MultipletType42() {
  NormalisePopulations({7, 8, 9}, true);
  ShowCalculating();
  float h[4];
  double H = 0.0;
  for (int n = 0; n < 4; ++n) {
    h[n] = Par(13 + n) * 0.5f;
    H += std::fabs(h[n]);
  }
  const float sumH = static_cast<float>(H);
  for (int i = 1; i <= 3; ++i) {
    SetSite(i, Par(6 + i) * 0.01f, Rate(Par(9 + i)), sumH + Par(i - 1));
  }
  BuildGenericRates(3, Par(3), 4);
  ClearPoints(gSpectrum);
  if (gNumPts < 0 || !(gHzPerPt > 0.0f)) return;
  const double mReal = RoundHalfEven(sumH / gHzPerPt);
  if (!std::isfinite(mReal)) return;
  const bool widened = 2.0 * mReal + gNumPts <= kMaxWidenedPoints;
  const int points = gNumPts;

  // Offsets into the widened grid of the 16 lines (s1 outermost, -1 first).
  std::vector<long> offsets;
  const int signs[2] = {-1, 1};
  for (int s1 : signs) {
    for (int s2 : signs) {
      for (int s3 : signs) {
        for (int s4 : signs) {
          const double shiftHz = static_cast<double>(s1 * h[0]) + s2 * h[1] + s3 * h[2] + s4 * h[3];
          offsets.push_back(static_cast<long>(RoundHalfEven(mReal - shiftHz / gHzPerPt)));
        }
      }
    }
  }
  const int count = std::min(points + 1, static_cast<int>(gSpectrum.size()));
  auto add = [&](const std::vector<float>& w, long offset) {
    for (int i = 0; i < count; ++i) {
      const long j = i + offset;
      if (j >= 0 && j < static_cast<long>(w.size())) {
        gSpectrum[static_cast<size_t>(i)] += w[static_cast<size_t>(j)];
      }
    }
  };
  if (widened) {
    const long m = static_cast<long>(mReal);
    std::vector<float> w(static_cast<size_t>(points + 20 + 2 * m + 1), 0.0f);
    ExchangeMatrixLineshape(gSitePop, gSiteR2, gShiftHz, gExchK, w, 3,
                            static_cast<int>(points + 2 * m), gPointStep, gVertMult);
    for (long o : offsets) add(w, o);
    return;
  }
  // Each distinct window that a line reads, computed on its own.
  std::map<long, std::vector<float>> windows;
  for (long o : offsets) {
    auto [it, isNew] = windows.try_emplace(o);
    if (isNew) {
      it->second.assign(static_cast<size_t>(points + 1), 0.0f);
      const float first = static_cast<float>(gHorOffHz + static_cast<double>(o) * gHzPerPt);
      ExchangeMatrixLineshapeOnGrid(gSitePop, gSiteR2, gShiftHz, gExchK, it->second, 3, points,
                                    gPointStep, gVertMult, first, gHzPerPt);
    }
    add(it->second, 0);
  }
}

}  // namespace dynamic
