// The A half of the AA'XX' system in closed form.
#include <cmath>

#include "engine/analyses.h"
#include "engine/static_lines.h"

using static_lines::F32;
using static_lines::SetLine;

void CalcAAXX(float vA, float JAA, float JXX, float JAX, float JAXp) {
  EnsureLineCapacity(10);
  const double K = F32(std::fabs(static_cast<double>(JAA) + JXX));
  const double L = F32(std::fabs(static_cast<double>(JAX) - JAXp));
  double M = F32(std::fabs(static_cast<double>(JAA) - JXX));
  const double N = F32(std::fabs(static_cast<double>(JAX) + JAXp));
  if (M < static_cast<double>(0.0001f)) M = static_cast<double>(0.0001f);
  const double E = F32(std::sqrt(L * L + K * K) * 0.5);
  const double F = F32(std::sqrt(M * M + L * L) * 0.5);
  const double k = F32(K * 0.5);
  const double m = F32(M * 0.5);
  const double n = F32(N * 0.5);
  // With K = L = 0 the K sub-spectrum collapses onto vA; its lines then share the total.
  const double kRatio = E == 0.0 ? 0.0 : k / E;
  const double v = vA;
  SetLine(1, n + v, 2.0, 1);
  SetLine(2, v - n, 2.0, 1);
  SetLine(3, v + (E + k), (1.0 - kRatio) * 0.5, 1);
  SetLine(4, v - (E + k), gLineInt[3], 1);
  SetLine(5, v + (E - k), (kRatio + 1.0) * 0.5, 1);
  SetLine(6, v - (E - k), gLineInt[5], 1);
  SetLine(7, v + (F + m), (1.0 - m / F) * 0.5, 2);
  SetLine(8, v - (F + m), gLineInt[7], 2);
  SetLine(9, v + (F - m), (m / F + 1.0) * 0.5, 2);
  SetLine(10, v - (F - m), gLineInt[9], 2);
  gNumLines = 10;
}
