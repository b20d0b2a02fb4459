#include "engine/line_lists.h"

#include <algorithm>
#include <cmath>

#include "engine/analyses.h"
#include "engine/broadening.h"
#include "engine/engine_globals.h"
#include "engine/first_order.h"
#include "engine/mainwin_services.h"
#include "platform/runtime_numbers.h"

namespace {

// Areas at or below this are components that are switched off.
constexpr float kMinArea = 0.005f;

size_t At(int i) { return static_cast<size_t>(i); }

// A multiplicity or nucleus count as a rounded 16-bit code; values far outside 0..10 are held
// just outside that range, where they select no pattern.
int16_t RoundedCode(float value) {
  if (!std::isfinite(value)) return -1;
  return static_cast<int16_t>(RoundHalfEven(std::clamp(value, -1.0f, 11.0f)));
}

// A component's width: the narrowest line width at least, so its area stays what was asked.
float ComponentWidth(float width) { return width >= kMinLineWidthHz ? width : kMinLineWidthHz; }

// Recolouring of the quantum-mechanical lines in stick display.
void StickColours() {
  if ((gTypeMode & 3) != 0) return;
  const int last = std::min<int>(gNumLines, LineListUBound());
  for (int i = 1; i <= last; ++i) gLineColor[At(i)] = gTraceColors[1];
}

void SetCoupling(int a, int b, float J) {
  JMatrixAt(a, b) = J;
  JMatrixAt(b, a) = J * 0.5f;
}

void RunNSpin(int n, int16_t force) {
  int16_t overflow = force;
  CalcNSpin(gNumLines, static_cast<int16_t>(n), 0.01f, gHorOffHz, gHorOffHz + gSpectHz,
            overflow);
  StickColours();
}

}  // namespace

float ParValue(int k) { return (k >= 0 && k < kSimParCount) ? gSimPar[At(k)].Value : 0.0f; }

float SpinShift(int n) { return (n >= 0 && n < kSpinSlots) ? gSpins[At(n)].Shift : 0.0f; }

void FirstOrderLines() {
  EnsureLineCapacity(2);
  gLineInt[1] = 1.0f;
  gLineInt[2] = 1.0f;
  gNumLines = 1;
  gLineFreq[1] = SpinShift(1);
  gLineColor[1] = gTraceColors[0];  // also when no coupling splits the line
  for (int k = 0; k <= 6; k += 2) {
    if (ParValue(k + 1) > 0.1f) FirstOrderSplit(ParValue(k), gNumLines, RoundedCode(ParValue(k + 1)));
  }
}

void ABQuartetLines() {
  EnsureLineCapacity(4);
  CalcABQuartet(SpinShift(1), SpinShift(2), ParValue(0), gLineFreq[1], gLineFreq[2], gLineFreq[3],
                gLineFreq[4], gLineInt[1], gLineInt[2], gLineInt[3], gLineInt[4]);
  gLineColor[1] = gLineColor[2] = gTraceColors[0];
  gLineColor[3] = gLineColor[4] = gTraceColors[1];
  gNumLines = 4;
}

void NSpinLines(int n, int16_t force) {
  for (int a = 1; a <= n; ++a) gShiftHz[At(a)] = ParValue(a - 1);
  int c = n;
  for (int a = 1; a <= n; ++a) {
    for (int b = a + 1; b <= n; ++b) SetCoupling(a, b, ParValue(c++));
  }
  const bool slow = n > 5;
  if (slow) MainWindow().SetMousePointer(MainWindowServices::kPointerHourglass);
  RunNSpin(n, force);
  if (slow) MainWindow().SetMousePointer(MainWindowServices::kPointerDefault);
}

void AABBLines(int16_t force) {
  // Nuclei A, B, A', B' = 1, 2, 3, 4.
  gShiftHz[1] = gShiftHz[3] = SpinShift(1);
  gShiftHz[2] = gShiftHz[4] = SpinShift(2);
  SetCoupling(1, 3, ParValue(1));  // JAA'
  SetCoupling(2, 4, ParValue(2));  // JBB'
  SetCoupling(1, 2, ParValue(3));  // JAB
  SetCoupling(3, 4, ParValue(3));
  SetCoupling(1, 4, ParValue(4));  // JAB'
  SetCoupling(2, 3, ParValue(4));
  RunNSpin(4, force);
}

void SingletLines() {
  EnsureLineCapacity(15);
  gNumLines = 15;
  for (int k = 1; k <= 15; ++k) {
    const float area = ParValue(3 * k - 1);
    if (!(area > kMinArea)) {
      gLineInt[At(k)] = 0;
      gComponentOn[At(k)] = 0;
      continue;
    }
    const float width = ComponentWidth(ParValue(3 * k - 2));
    gComponentOn[At(k)] = 1;
    gLineT1[At(k)] = width;
    gLineInt[At(k)] = area * 0.01f / width;
    gLineFreq[At(k)] = ParValue(3 * k - 3);
    gLineColor[At(k)] = PaletteColor(k - 1);
  }
}

void MultipletLines() {
  // Ten multiplets of five parameters each: V, W, area, J, multiplicity.
  const int multiplets = std::clamp<int>(gSpinCount, 0, 10);
  int total = 0;
  for (int m = 1; m <= multiplets; ++m) {
    total += std::max(RoundedCode(ParValue(5 * (m - 1) + 4)) + 1, 0);
  }
  EnsureLineCapacity(total + 1);
  gNumLines = 1;  // next free line
  for (int m = 1; m <= multiplets; ++m) {
    const int b = 5 * (m - 1);
    const float area = ParValue(b + 2);
    if (!(area > kMinArea)) {
      gComponentOn[At(m)] = 0;
      continue;
    }
    const float width = ComponentWidth(ParValue(b + 1));
    gComponentOn[At(m)] = 1;
    const int first = gNumLines;
    FirstOrderMultiplet(ParValue(b), area * 0.01f / width, gLineFreq, gLineInt, gNumLines,
                        ParValue(b + 3), RoundedCode(ParValue(b + 4)));
    for (int i = first; i < gNumLines; ++i) {
      gLineT1[At(i)] = width;
      gLineColor[At(i)] = PaletteColor(m - 1);
    }
  }
  gNumLines = static_cast<int16_t>(gNumLines - 1);
}

void DddLines() {
  // Twelve multiplets of six parameters each: V, W, area, Jx, Jy, Jz.
  const int multiplets = std::clamp<int>(gSpinCount, 0, 12);
  EnsureLineCapacity(multiplets * 8 + 1);
  gNumLines = 1;  // next free line
  for (int m = 1; m <= multiplets; ++m) {
    const int b = 6 * (m - 1);
    const float area = ParValue(b + 2);
    if (!(area > kMinArea)) {
      gComponentOn[At(m)] = 0;
      continue;
    }
    const float v = ParValue(b);
    const float width = ComponentWidth(ParValue(b + 1));
    const float jx = ParValue(b + 3);
    const float jy = ParValue(b + 4);
    const float jz = ParValue(b + 5);
    const float h = area * 0.0025f / width;
    const int first = gNumLines;
    const float centres[4] = {v + jx / 2 + jy / 2, v + jx / 2 - jy / 2, v - jx / 2 + jy / 2,
                              v - jx / 2 - jy / 2};
    for (float centre : centres) {
      FirstOrderMultiplet(centre, h, gLineFreq, gLineInt, gNumLines, jz, 1);
    }
    gComponentOn[At(m)] = 1;
    for (int i = first; i < gNumLines; ++i) {
      gLineT1[At(i)] = width;
      gLineColor[At(i)] = PaletteColor(m - 1);
    }
  }
  gNumLines = static_cast<int16_t>(gNumLines - 1);
}
