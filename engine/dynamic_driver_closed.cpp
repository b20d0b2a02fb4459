// Dynamic types with closed-form line shapes: two-site exchange (15, 17, 38), the coupled AB
// pair with and without X nuclei (16, 27, 28, 32, 33) and the T1-collapsed quartet (40).
#include <cmath>

#include "engine/dynamic_driver.h"
#include "engine/engine_globals.h"
#include "engine/exchange_lineshapes.h"

namespace dynamic {

namespace {

// tau = 1 / (kab + kba); T2 = 1 / (pi W).
float Tau(float rateSum) { return static_cast<float>(1.0 / rateSum); }
float T2(float widthHz) { return static_cast<float>(1.0 / Rate(widthHz)); }

// Leaves the two sites' populations and rates where the exchange table shows them.
void KeepTwoSites(float pA, float pB, float rA, float rB) {
  gSitePop[1] = pA;
  gSitePop[2] = pB;
  gSiteR2[1] = rA;
  gSiteR2[2] = rB;
}

void TwoSite(float pA, float pB, float rA, float rB, float vA, float vB, std::vector<float>& target,
             float scale) {
  TwoSiteLineshape(Tau(Par(1)), pA, pB, rA, rB, (vA + vB) * 0.5f, vA - vB, target, scale);
}

// Coupled AB pair of types 27, 28, 32 in X spin state m: A moves by m Jax, B by m Jbx.
void ABInXState(float m, std::vector<float>& target, float scale) {
  CoupledABLineshape(Par(5), T2(Par(6)), Par(2), Par(0) + m * Par(3), Par(1) + m * Par(4), target,
                     scale);
}

void Type38() {
  const float pA = Par(11) * 0.01f, pB = 1.0f - pA;
  const float rA = Rate(Par(12)), rB = Rate(Par(13));
  KeepTwoSites(pA, pB, rA, rB);
  ClearPoints(gSpectrum);
  const float tau = Tau(Par(2));
  const int signs[2] = {-1, 1};
  for (int s1 : signs) {
    for (int s2 : signs) {
      for (int s3 : signs) {
        for (int s4 : signs) {
          const float va =
              Par(0) + s1 * Par(3) / 2 + s2 * Par(5) / 2 + s3 * Par(7) / 2 + s4 * Par(9) / 2;
          const float vb =
              Par(1) + s1 * Par(4) / 2 + s2 * Par(6) / 2 + s3 * Par(8) / 2 + s4 * Par(10) / 2;
          TwoSiteLineshape(tau, pA, pB, rA, rB, (va + vb) * 0.5f, va - vb, gSpectrum2, gVertMult);
          Combine(gSpectrum, 1.0f, gSpectrum2, gSpectrum);
        }
      }
    }
  }
}

void Type33() {
  float K = std::fabs(Par(0) + Par(1));
  if (K < 0.0001f) K = 0.0001f;
  const float M = std::fabs(Par(0) - Par(1));
  const float L2 = std::fabs(Par(2) - Par(3)) * 0.5f;
  const float N2 = std::fabs(Par(2) + Par(3)) * 0.5f;
  const float t2 = T2(Par(8)), v = Par(6), k = Par(7);
  CoupledABLineshape(0.0f, t2, 0.0f, v + N2, v - N2, gSpectrum, gVertMult);
  CopySpectrumTo2();
  CoupledABLineshape(k, t2, K, v + L2, v - L2, gSpectrum, gVertMult);
  Combine(gSpectrum2, 0.5f, gSpectrum, gSpectrum2);
  CoupledABLineshape(k, t2, M, v + L2, v - L2, gSpectrum, gVertMult);
  Combine(gSpectrum, 0.5f, gSpectrum, gSpectrum2);
}

}  // namespace

void TwoSiteTypes(int type) {
  if (type == 15) {
    const float pA = Par(4) * 0.01f, pB = 1.0f - pA;
    const float rA = Rate(Par(2)), rB = Rate(Par(3));
    TwoSite(pA, pB, rA, rB, Shift(1), Shift(2), gSpectrum, gVertMult);
    KeepTwoSites(pA, pB, rA, rB);
  } else if (type == 17) {
    const float pA = Par(4) * 0.01f, pB = 1.0f - pA;
    const float f = Par(10) * 0.01f;
    TwoSite(pA, pB, Rate(Par(2)), Rate(Par(3)), Shift(1), Shift(2), gSpectrum, f * gVertMult);
    CopySpectrumTo2();
    TwoSite(pA, pB, Rate(Par(8)), Rate(Par(9)), Shift(3), Shift(4), gSpectrum,
            (1.0f - f) * gVertMult);
    Combine(gSpectrum, 1.0f, gSpectrum2, gSpectrum);
  } else if (type == 38) {
    Type38();
  }
}

void CoupledABTypes(int type) {
  switch (type) {
    case 16:
      CoupledABLineshape(Par(1), T2(Par(2)), Par(4), Par(0), Par(3), gSpectrum, gVertMult);
      break;
    case 27:
      ABInXState(0.5f, gSpectrum2, gVertMult);
      ABInXState(-0.5f, gSpectrum, gVertMult);
      Combine(gSpectrum, 1.0f, gSpectrum2, gSpectrum);
      break;
    case 28:
      ABInXState(1.0f, gSpectrum2, gVertMult);
      ABInXState(0.0f, gSpectrum, gVertMult);
      Combine(gSpectrum2, 2.0f, gSpectrum, gSpectrum2);
      ABInXState(-1.0f, gSpectrum, gVertMult);
      Combine(gSpectrum, 1.0f, gSpectrum2, gSpectrum);
      break;
    case 32:
      // The outer states carry 0.25: the four states are summed 1 : 4 : 4 : 1.
      ABInXState(1.5f, gSpectrum2, 0.25f * gVertMult);
      ABInXState(0.5f, gSpectrum, gVertMult);
      Combine(gSpectrum2, 1.0f, gSpectrum, gSpectrum2);
      ABInXState(-0.5f, gSpectrum, gVertMult);
      Combine(gSpectrum2, 1.0f, gSpectrum, gSpectrum2);
      ABInXState(-1.5f, gSpectrum, 0.25f * gVertMult);
      Combine(gSpectrum, 1.0f, gSpectrum2, gSpectrum);
      break;
    case 33: Type33(); break;
    case 40: QuartetT1Lineshape(Par(0), Par(4), Par(1), gVertMult); break;
    default: break;
  }
}

}  // namespace dynamic
