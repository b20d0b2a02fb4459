// The AB quartet and the AB2 system in closed form.
#include <cmath>

#include "engine/analyses.h"
#include "engine/static_lines.h"

using static_lines::F32;
using static_lines::NonZeroDifference;
using static_lines::SetLine;

void CalcABQuartet(float vA, float vB, float J, float& f1, float& f2, float& f3, float& f4,
                   float& i1, float& i2, float& i3, float& i4) {
  const double delta = NonZeroDifference(static_cast<double>(vB) - vA);
  const double c = F32((static_cast<double>(vA) + vB) * 0.5);
  const double h = F32(J * 0.5);
  const double C = std::sqrt(delta * delta + static_cast<double>(J) * J) * 0.5;
  const double lowOuter = c - C - h;
  const double highInner = C + c - h;
  // f1 and f2 are always the doublet nearer vA.
  if (vB > vA) {
    f1 = static_cast<float>(lowOuter);
    f2 = static_cast<float>(lowOuter + J);
    f3 = static_cast<float>(highInner);
    f4 = static_cast<float>(highInner + J);
  } else {
    f4 = static_cast<float>(lowOuter);
    f3 = static_cast<float>(lowOuter + J);
    f2 = static_cast<float>(highInner);
    f1 = static_cast<float>(highInner + J);
  }
  const double r = h / C;
  i1 = static_cast<float>(1.0 - r);
  i2 = static_cast<float>(1.0 + r);
  i3 = i2;
  i4 = i1;
}

void CalcAB2(float& vA, float& vB, float& J) {
  EnsureLineCapacity(9);
  const double delta = NonZeroDifference(F32(static_cast<double>(vB) - vA));
  const double c = F32((static_cast<double>(vA) + vB) * 0.5);
  const double d = F32(delta * 0.5);
  // A vanishing coupling is replaced for this calculation only; the caller's value stays.
  const double coupling = std::fabs(J) < 0.01 ? static_cast<double>(0.012f) : J;
  const double j = F32(coupling * 0.5);
  // The difference is used as it is: with K in the form S (x + 1) / a nothing divides by x or y,
  // and C+ and C- stay above zero (the difference is at least 0.00011, J at least 0.01).
  const double sign = delta > 0 ? 1.0 : (delta < 0 ? -1.0 : 0.0);
  const double J2 = coupling * coupling * 9.0 / 4.0;
  const double cPlus = F32(sign * 0.5 * std::sqrt(delta * delta - delta * coupling + J2));
  const double cMinus = F32(sign * 0.5 * std::sqrt(delta * coupling + delta * delta + J2));
  const double root2 = static_cast<double>(1.4142135f);
  const double q = F32(coupling / root2);
  // Mixing coefficients of the two branches; K = 2 S x / a / (2 x / (x + 1)) = S (x + 1) / a.
  const double a = F32(q / cPlus);
  const double x = F32(((-delta + j) / cPlus) * 0.5);
  const double sPlus = F32(std::sqrt((1.0 - x) * 0.5));
  const double kPlus = F32(sPlus * (x + 1.0) / a);
  const double b = F32(q / cMinus);
  const double y = F32(((-delta - j) / cMinus) * 0.5);
  const double sMinus = F32(std::sqrt((1.0 - y) * 0.5));
  const double kMinus = F32(sMinus * (y + 1.0) / b);
  const double P = F32(sPlus * kMinus - kPlus * sMinus);
  const double Q = F32(kPlus * kMinus + sPlus * sMinus);
  const double t = F32(coupling * 0.75);
  auto square = [](double v) { return v * v; };
  SetLine(1, c + t + cPlus, square(sPlus * root2 - kPlus), 1);
  SetLine(2, d + c + cPlus + cMinus, square(kPlus * kMinus + P * root2), 0);
  SetLine(3, c - d, 1.0, 0);
  SetLine(4, c + cMinus - t, square(sMinus * root2 + kMinus), 1);
  SetLine(5, d + c + cPlus - cMinus, square(kPlus * sMinus + Q * root2), 1);
  SetLine(6, c + t - cPlus, square(kPlus * root2 + sPlus), 0);
  SetLine(7, d + c - cPlus + cMinus, square(Q * root2 - sPlus * kMinus), 1);
  SetLine(8, c - t - cMinus, square(kMinus * root2 - sMinus), 0);
  SetLine(9, d + c - cPlus - cMinus, square(sPlus * sMinus + P * root2), 0);
  gNumLines = 9;
}
