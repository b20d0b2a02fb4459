// The ABX and ABX3 systems in closed form (X treated as weakly coupled).
#include <cmath>

#include "engine/analyses.h"
#include "engine/static_lines.h"

using static_lines::F32;
using static_lines::NonZeroDifference;
using static_lines::SetLine;

namespace {

// Mixing of one AB sub-spectrum: sine s = (JAB / 2) / D and cosine k = (diff / 2) / D. When JAB
// and the difference are both zero, D is zero and the states do not mix: s = 0, k = 1.
void Mixing(double jab, double diff, double D, double& s, double& k) {
  if (D == 0.0) {
    s = 0.0;
    k = 1.0;
    return;
  }
  s = F32((jab * 0.5) / D);
  k = F32((diff * 0.5) / D);
}

}  // namespace

void CalcABX(float vA, float vB, float vX, float JAB, float JBX, float JAX, uint8_t parts) {
  EnsureLineCapacity(14);
  const double delta = NonZeroDifference(static_cast<double>(vB) - vA);
  const double e = (static_cast<double>(JBX) - JAX) * 0.5;
  const double deltaPlus = F32(delta + e);
  const double deltaMinus = F32(delta - e);
  const double sigma = F32(static_cast<double>(JBX) + JAX);
  const double jab = JAB;
  const double dPlus = F32(std::sqrt(deltaPlus * deltaPlus + jab * jab) * 0.5);
  const double dMinus = F32(std::sqrt(deltaMinus * deltaMinus + jab * jab) * 0.5);
  double sPlus, kPlus, sMinus, kMinus;
  Mixing(jab, deltaPlus, dPlus, sPlus, kPlus);
  Mixing(jab, deltaMinus, dMinus, sMinus, kMinus);
  const double u = F32((2.0 * jab + sigma) * 0.25);
  const double w = F32((sigma - 2.0 * jab) * 0.25);
  if (parts & 1) {
    const double c = F32((static_cast<double>(vA) + vB) * 0.5);
    SetLine(1, c - u - dMinus, 1.0 - sMinus, 0);
    SetLine(2, c + w - dPlus, 1.0 - sPlus, 0);
    SetLine(3, c - w - dMinus, sMinus + 1.0, 0);
    SetLine(4, c + u - dPlus, sPlus + 1.0, 0);
    SetLine(5, c - u + dMinus, gLineInt[3], 1);
    SetLine(6, c + w + dPlus, gLineInt[4], 1);
    SetLine(7, c - w + dMinus, gLineInt[1], 1);
    SetLine(8, c + u + dPlus, gLineInt[2], 1);
  }
  if (parts & 2) {
    const double g = F32(sPlus * sMinus + kPlus * kMinus);
    SetLine(9, vX - sigma * 0.5, 1.0, 2);
    SetLine(10, dPlus + vX - dMinus, (g + 1.0) * 0.5, 2);
    SetLine(11, vX - dPlus + dMinus, gLineInt[10], 2);
    SetLine(12, sigma * 0.5 + vX, 1.0, 2);
    SetLine(13, vX - dPlus - dMinus, (1.0 - g) * 0.5, 2);
    SetLine(14, dPlus + vX + dMinus, gLineInt[13], 2);
  }
  gNumLines = 14;
}

void CalcABX3(float& vA, float& vB, float& JAB, float& JAX, float& JBX) {
  EnsureLineCapacity(16);
  // One AB quartet per total spin state of the three X nuclei (+3/2, +1/2, -1/2, -3/2).
  const double factor[4] = {1.5, 0.5, -0.5, -1.5};
  const double weight[4] = {0.3333f, 1.0, 1.0, 0.3333f};
  const double jab = JAB;
  const double h = jab * 0.5;
  int line = 0;
  for (int block = 0; block < 4; ++block) {
    const double a = static_cast<double>(vA) + JAX * factor[block];
    const double b = static_cast<double>(vB) + JBX * factor[block];
    const double c = (b + a) * 0.5;
    const double delta = NonZeroDifference(b - a);
    const double C = F32(std::sqrt(jab * jab + delta * delta) * 0.5);
    const double w = weight[block];
    SetLine(line + 1, c - h - C, (1.0 - h / C) * w, 0);
    SetLine(line + 2, c - h + C, (h / C + 1.0) * w, 1);
    SetLine(line + 3, h + c - C, gLineInt[line + 2], 0);
    SetLine(line + 4, h + c + C, gLineInt[line + 1], 1);
    line += 4;
  }
  gNumLines = 16;
}
