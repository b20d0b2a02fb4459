// The rules both Jacobi diagonalisations share: when to stop, how to choose a small pivot, and
// the angle of a rotation. Every operation here is part of the results' bits.
#pragma once

#include <cmath>

namespace jacobi {

// Off-diagonal magnitude at or below which the pivot is chosen by ratio to the diagonal gap.
// The 32-bit float nearest 1e-5 (9.9999997e-6), not the one below it.
constexpr double kSizeLimit = static_cast<double>(1e-5f);
// The ratio search starts from a 32-bit bound but is measured against 5e-5 itself.
constexpr double kRatioStart = static_cast<double>(4e-5f);
constexpr double kRatioStop = 5e-5;
constexpr double kHalfRoot = static_cast<double>(0.707f);

// Pivot by ratio |A(i, j) / (A(i, i) - A(j, j))|, row by row; false when none is large enough.
// `a(i, j)` reads the element of row i and column j (i <= j).
template <class Element>
bool FindRatioPivot(int n, Element a, int& p, int& q) {
  double bound = kRatioStart;
  for (int i = 1; i <= n - 1; ++i) {
    for (int j = i + 1; j <= n; ++j) {
      const double aij = a(i, j);
      if (aij == 0.0) continue;
      const double d = a(i, i) - a(j, j);
      if (d == 0.0) continue;
      const double r = std::fabs(aij / d);
      if (r > bound) {
        p = i;
        q = j;
        bound = r;
      }
    }
  }
  return bound - kRatioStop > 0.0;
}

// Cosine and sine of the rotation that zeroes A(p, q), and the new A(p, p) and A(q, q).
struct Angle {
  double c;
  double s;
  double app;
  double aqq;
};

inline Angle RotationAngle(double app, double aqq, double apq) {
  const double d = app - aqq;
  const double r = std::sqrt(std::fabs(d * d + 4.0 * apq * apq));
  const double c0 = std::sqrt(std::fabs((d + r) / (2.0 * r)));
  // Below 0.707 the sine is -c0 and the cosine the root; else the other way round. (-c0)^2 is
  // c0^2 bit for bit, so one root serves both.
  const double root = std::sqrt(1.0 - c0 * c0);
  const bool small = c0 < kHalfRoot;
  Angle a;
  a.c = small ? root : c0;
  a.s = small ? -c0 : -root;
  if (d / apq < 0.0) a.s = -a.s;
  const double c = a.c;
  const double s = a.s;
  a.app = s * s * aqq + c * c * app - 2.0 * c * s * apq;
  a.aqq = (app + aqq) - a.app;
  return a;
}

}  // namespace jacobi
