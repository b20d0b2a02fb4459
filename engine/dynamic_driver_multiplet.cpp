// Type 42: three exchanging sites whose nuclei share four couplings. The exchange spectrum is
// computed once on a grid widened by m points on each side and added 16 times, shifted onto
// each line of the coupling multiplet.
#include <cmath>
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
  const long m = widened ? static_cast<long>(mReal) : 0;
  const int points = gNumPts;

  std::vector<float> w;
  if (widened) {
    w.assign(static_cast<size_t>(points + 20 + 2 * m + 1), 0.0f);
    ExchangeMatrixLineshape(gSitePop, gSiteR2, gShiftHz, gExchK, w, 3,
                            static_cast<int>(points + 2 * m), gPointStep, gVertMult);
  }
  const int signs[2] = {-1, 1};
  for (int s1 : signs) {
    for (int s2 : signs) {
      for (int s3 : signs) {
        for (int s4 : signs) {
          const double shiftHz = static_cast<double>(s1 * h[0]) + s2 * h[1] + s3 * h[2] + s4 * h[3];
          const double o = RoundHalfEven(mReal - shiftHz / gHzPerPt);
          if (!widened) {
            // The window this line reads, computed on its own.
            w.assign(static_cast<size_t>(points + 1), 0.0f);
            const float first = static_cast<float>(gHorOffHz + o * gHzPerPt);
            ExchangeMatrixLineshapeOnGrid(gSitePop, gSiteR2, gShiftHz, gExchK, w, 3, points,
                                          gPointStep, gVertMult, first, gHzPerPt);
          }
          const long offset = widened ? static_cast<long>(o) : 0;
          for (int i = 0; i <= points && i < static_cast<int>(gSpectrum.size()); ++i) {
            const long j = i + offset;
            if (j >= 0 && j < static_cast<long>(w.size()))
              gSpectrum[static_cast<size_t>(i)] += w[static_cast<size_t>(j)];
          }
        }
      }
    }
  }
}

}  // namespace dynamic
