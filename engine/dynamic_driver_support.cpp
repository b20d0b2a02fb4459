// Steps shared by the cases of the dynamic-NMR driver.
#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <vector>

#include "engine/dynamic_driver.h"
#include "engine/engine_globals.h"
#include "engine/exchange_numbers.h"
#include "engine/line_lists.h"
#include "engine/mainwin_services.h"
#include "engine/nsite_exchange.h"
#include "platform/runtime_numbers.h"

namespace dynamic {

namespace {

size_t Pos(int i, int j) { return static_cast<size_t>(i + 9 * j); }

// Points 0..gNumPts that every listed array holds.
int SharedPoints(std::initializer_list<const std::vector<float>*> arrays) {
  int count = gNumPts < 0 ? 0 : gNumPts + 1;
  for (const auto* a : arrays) count = std::min(count, static_cast<int>(a->size()));
  return count;
}

}  // namespace

float Par(int k) { return ParValue(k); }

void SetPar(int k, float value) {
  if (k >= 0 && k < kSimParCount) gSimPar[static_cast<size_t>(k)].Value = value;
}

float Shift(int n) { return SpinShift(n); }

float Rate(float widthHz) { return static_cast<float>(exchange::kPi * widthHz); }

void NormalisePopulations(const std::vector<int>& pars, bool hundredFirst,
                          const std::vector<float>& sumWeights) {
  float sum = 0.0f;
  for (size_t i = 0; i < pars.size(); ++i) {
    sum += (i < sumWeights.size() ? sumWeights[i] : 1.0f) * Par(pars[i]);
  }
  if (!(sum > 0.0f) || !std::isfinite(sum)) return;  // the limits keep populations positive
  const double factor = static_cast<float>(100.0 / sum);
  for (int k : pars) {
    const double p = Par(k);
    const float value = hundredFirst ? static_cast<float>(static_cast<float>(p * 100.0) / sum)
                                     : static_cast<float>(p * factor);
    if (!std::isfinite(value)) continue;
    SetPar(k, value);
    if (gSimPar[static_cast<size_t>(k)].Flags & kParShown) {
      const int16_t row = MainWindow().FrameFromPar(static_cast<int16_t>(k));
      // Format writes a decimal point whatever the locale, as the boxes need.
      if (row >= 0) MainWindow().SetParValText(row, Format(value, "0.00"));
    }
  }
}

void ShowCalculating() { MainWindow().MessageDisplay("Calculating", 1, "Left"); }

void SetSite(int i, float population, float rate, float frequencyHz) {
  gSitePop[static_cast<size_t>(i)] = population;
  gSiteR2[static_cast<size_t>(i)] = rate;
  gShiftHz[static_cast<size_t>(i)] = frequencyHz;
}

void ClearRates(int n) {
  for (int i = 1; i <= n; ++i) {
    for (int j = 1; j <= n; ++j) gExchK[Pos(i, j)] = 0.0f;
  }
}

void SetPairRates(int a, int b, float rate) {
  const double popA = gSitePop[static_cast<size_t>(a)];
  const double popB = gSitePop[static_cast<size_t>(b)];
  const float reverse = static_cast<float>(rate * popA / popB);
  if (popA <= 0.0 || popB <= 0.0 || !std::isfinite(reverse)) {
    gExchK[Pos(a, b)] = 0.0f;
    gExchK[Pos(b, a)] = 0.0f;
    return;
  }
  gExchK[Pos(a, b)] = rate;
  gExchK[Pos(b, a)] = reverse;
}

void SetRate(int i, int j, float rate) { gExchK[Pos(i, j)] = rate; }

void FillDiagonal(int n) {
  for (int i = 1; i <= n; ++i) {
    float sum = 0.0f;
    for (int j = 1; j <= n; ++j) {
      if (j != i) sum += gExchK[Pos(i, j)];
    }
    gExchK[Pos(i, i)] = -sum;
  }
}

void BuildGenericRates(int n, float k, int firstRatio) {
  ClearRates(n);
  int ratio = firstRatio;
  for (int a = 1; a <= n; ++a) {
    for (int b = a + 1; b <= n; ++b) {
      SetPairRates(a, b, static_cast<float>(static_cast<double>(k) * Par(ratio++)));
    }
  }
  FillDiagonal(n);
}

void Exch(int n) { Exch(n, gSpectrum); }

void Exch(int n, std::vector<float>& target) {
  ExchangeMatrixLineshape(gSitePop, gSiteR2, gShiftHz, gExchK, target, n, gNumPts, gPointStep,
                          gVertMult);
}

void Combine(std::vector<float>& dest, float a, const std::vector<float>& x,
             const std::vector<float>& y) {
  const int count = SharedPoints({&dest, &x, &y});
  for (int i = 0; i < count; ++i) {
    const size_t p = static_cast<size_t>(i);
    dest[p] = a * x[p] + y[p];
  }
}

void CopySpectrumTo2() {
  const int count = SharedPoints({&gSpectrum, &gSpectrum2});
  std::copy_n(gSpectrum.begin(), count, gSpectrum2.begin());
}

void ClearPoints(std::vector<float>& spectrum) {
  const int count = SharedPoints({&spectrum});
  std::fill_n(spectrum.begin(), count, 0.0f);
}

}  // namespace dynamic
