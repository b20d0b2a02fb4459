// The three closed-form exchange line shapes. Named intermediate quantities are kept as 32-bit
// floats (F32) and formed in double; where 32-bit arithmetic would cancel away the spectrum it
// is done in double throughout (see each kernel).
#include "engine/exchange_lineshapes.h"

#include <algorithm>
#include <cmath>

#include "engine/engine_globals.h"
#include "engine/exchange_numbers.h"
#include "platform/runtime_numbers.h"

using exchange::F32;
using exchange::FiniteFloat;
using exchange::kPi;
using exchange::kPiSquared;
using exchange::kTwoPi;

namespace {

// Number of points 0..gNumPts that the target can hold.
int PointCount(const std::vector<float>& target) {
  if (gNumPts < 0) return 0;
  return std::min(static_cast<int>(gNumPts) + 1, static_cast<int>(target.size()));
}

// Grid frequency of point i.
double GridHz(int i) { return F32(gHorOffHz + static_cast<float>(i) * gHzPerPt); }

}  // namespace

void TwoSiteLineshape(float tau, float pA, float pB, float rA, float rB, float v0, float delta,
                      std::vector<float>& target, float scale) {
  const double t = tau, d = delta;
  const double A = F32(1.0 + t * (static_cast<double>(rA) + rB));
  const double B = F32(kPi * d * t * (static_cast<double>(rB) - rA));
  const double C = F32(kPi * d * (static_cast<double>(pA) - pB));
  const double H = F32(t * kPi * kPi * d * d + t * rA * rB + static_cast<double>(pA) * rA +
                       static_cast<double>(pB) * rB);
  const double F = F32(4.0 * kPi * kPi * t);
  const double G = F32((t + t) * kPi);
  const double I = F32(1.0 + t * (static_cast<double>(pB) * rA + static_cast<double>(pA) * rB));
  const int count = PointCount(target);
  for (int i = 0; i < count; ++i) {
    const double delta_i = F32(v0 - GridHz(i));
    const double P = F32(H - F * delta_i * delta_i);
    const double Q = F32(G * delta_i - C * t);
    const double R = F32(kTwoPi * delta_i * A + B + C);
    target[static_cast<size_t>(i)] = FiniteFloat((R * Q + I * P) * scale / (R * R + P * P));
  }
}

void CoupledABLineshape(float k, float T2, float J, float vA, float vB, std::vector<float>& target,
                        float scale) {
  // At rates up to 1e7 s-1 the terms of the denominators and numerators cancel to a few
  // digits, so this kernel works in double; W is formed without the k^2 - k^2 cancellation.
  const double twoPi = static_cast<float>(kTwoPi);
  const double kk = k;
  const double K = 1.0 / static_cast<double>(T2);
  const double M = static_cast<double>(J) * 0.5;
  const double N = (static_cast<double>(vA) + vB) * 0.5;
  const double O = static_cast<double>(vA) - vB;
  const double S = kk + K;
  const double T = kPi * J;
  const double U = 2.0 * T * kk;
  const double V = 2.0 * kk + K;
  const double W = -(K * K + 2.0 * kk * K + kPiSquared * O * O + T * T);
  const int count = PointCount(target);
  for (int i = 0; i < count; ++i) {
    const double delta_i = N - GridHz(i);
    const double a1 = twoPi * (delta_i + M), a2 = twoPi * (delta_i - M);
    const double b1 = a1 * a1 + W, b2 = a2 * a2 + W;
    const double c1 = 2.0 * a1 * S - U, c2 = 2.0 * a2 * S + U;
    const double e1 = twoPi * (delta_i + J), e2 = twoPi * (delta_i - J);
    const double value =
        ((e1 * c1 - V * b1) / (b1 * b1 + c1 * c1) + (c2 * e2 - b2 * V) / (b2 * b2 + c2 * c2)) *
        scale;
    target[static_cast<size_t>(i)] = FiniteFloat(value);
  }
}

void QuartetT1Lineshape(float J, float T1, float v0, float scale) {
  std::vector<float>& target = gSpectrum;
  const int count = PointCount(target);
  const double a = F32(static_cast<double>(exchange::kTwoPiSingle) * J * T1 * 0.001);
  const double A2 = F32(a * a);
  const double c = F32(static_cast<double>(v0) - gHorOffHz);
  if (A2 < 1e-30) {
    // No coupling (or a vanishing one): the quartet has collapsed into one line too narrow for
    // the grid. It keeps its area, 125 / T1 per unit scale, on the point nearest v0.
    for (int i = 0; i < count; ++i) target[static_cast<size_t>(i)] = 0.0f;
    if (gHzPerPt <= 0.0f || T1 <= 0.0f) return;
    const double nearest = RoundHalfEven(c / gHzPerPt) - 1.0;
    if (nearest >= 0.0 && nearest < count) {
      target[static_cast<size_t>(nearest)] = FiniteFloat(125.0 / T1 / gHzPerPt * scale);
    }
    return;
  }
  const double A4 = F32(A2 * A2);
  const double A6 = F32(A4 * A2);
  float f = 0.0f;
  for (int i = 0; i < count; ++i) {
    f = f + gHzPerPt;
    const double u = F32((c - f) / J);
    const double w = F32(u * u);
    const double w2 = w * w, w3 = w2 * w, w4 = w3 * w;
    const double Nq = (56 * w + 80 * w2 + 45) * A4 + (25 * w + 17) * 16 * A2 + 320;
    const double Dq = (256 * w4 - 1280 * w3 + 1888 * w2 - 720 * w + 81) * A6 +
                      (96 * w3 - 160 * w2 + 110 * w + 45) * 16 * A4 +
                      (36 * w2 - 20 * w + 25) * 64 * A2 + 1024 * w;
    target[static_cast<size_t>(i)] = FiniteFloat(Nq / Dq * scale);
  }
}
