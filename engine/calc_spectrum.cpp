#include "engine/calc_spectrum.h"

#include <algorithm>
#include <cmath>

#include "engine/analyses.h"
#include "engine/broadening.h"
#include "engine/engine_globals.h"
#include "engine/line_lists.h"
#include "engine/mainwin_services.h"
#include "engine/sim_type_traits.h"
#include "engine/spectrum_file_services.h"
#include "platform/msgbox.h"

namespace {

bool IsDynamicType(int type) {
  return (type >= 15 && type <= 33) || (type >= 35 && type <= 38) || (type >= 40 && type <= 43);
}

// Fills the line list of the current type. False when the type has drawn by itself.
bool FillLineList(int16_t force) {
  const int type = gSimType;
  if (type == 0) {
    if (SpectrumFileServices* files = SpectrumFiles()) {
      files->LoadSpectrumKavo(gFinm, gSpectrum, ParValue(0), gSpectHz, files->SpecRef(),
                              gVertMult, 2);
    }
    int16_t noLines = 0;
    int16_t flag = 0;
    MainWindow().DrawSpectra(noLines, gTraceColors, flag);
    return false;
  }
  if (IsDynamicType(type)) {
    CalcDynamicSpectrum();
    return false;
  }
  switch (type) {
    case 1: FirstOrderLines(); break;
    case 2: ABQuartetLines(); break;
    case 3: case 4: case 5: case 6: case 7: NSpinLines(type, force); break;
    case 34: NSpinLines(8, force); break;
    case 8:
      // A coupling too small for the closed form is replaced in the calculation only.
      EnsureLineCapacity(16);
      CalcAB2(gSpins[1].Shift, gSpins[2].Shift, gSimPar[0].Value);
      break;
    case 9:
      EnsureLineCapacity(16);
      CalcABX(SpinShift(1), SpinShift(2), ParValue(2), ParValue(3), ParValue(5), ParValue(4), 3);
      break;
    case 10:
      EnsureLineCapacity(16);
      CalcABX3(gSimPar[0].Value, gSimPar[1].Value, gSimPar[3].Value, gSimPar[4].Value,
               gSimPar[5].Value);
      break;
    case 11:
      EnsureLineCapacity(16);
      CalcAAXX(SpinShift(1), ParValue(0), ParValue(1), ParValue(2), ParValue(3));
      break;
    case 12: AABBLines(force); break;
    case 13: SingletLines(); break;
    case 14: MultipletLines(); break;
    case 39: DddLines(); break;
    default: break;  // an imported peak list keeps its lines
  }
  return true;
}

// Bit 0 of the mode word broadens the line list into gSpectrum.
void Broaden() {
  const int last = std::clamp<int>(gLastPar, 0, kSimParCount - 1);
  const float width = gSimPar[static_cast<size_t>(last)].Value;
  const bool ownWidths = HasOwnLineWidths(gSimType);
  if (ownWidths || gNumLines < kFastBroadeningLines) {
    LorentzSum(gSpectrum, gNumLines, width, gHorOffHz, gVertMult);
  } else {
    LineBroadenFast(gSpectrum, gNumLines, width, gHorOffHz, gVertMult);
  }
}

// Which of the two ABX solutions is shown.
void ShowAbxSolution() {
  const float shiftGap = std::fabs(SpinShift(1) - SpinShift(2));
  const float halfJGap = std::fabs(ParValue(4) - ParValue(5)) * 0.5f;
  MainWindow().MessageDisplay(shiftGap >= halfJGap ? "Solution 1" : "Solution 2", 1, "Right");
}

bool gCalculating = false;

}  // namespace

void CalcSpectrum(int16_t force) {
  // A message box raised inside a calculation must not start another one.
  if (gCalculating || MsgBoxIsOpen()) return;
  gCalculating = true;

  gParTyped = 0;
  if (gDisableRef != 0) {
    if (SpectrumFileServices* files = SpectrumFiles()) files->SpecRef() = 0;
  }
  const bool due = gRedrawFlags == 0 || (gRedrawFlags & 14) != 0;
  bool draw = true;
  if (due) {
    if (!MainWindow().AutoredrawChecked() && force == 0) {
      MainWindow().MessageDisplay("Press ReDraw button to recalculate spectrum", 2, "Left");
      gCalculating = false;
      return;
    }
    draw = FillLineList(force);
    if (draw && (gTypeMode & 1) != 0) Broaden();
  }
  if (draw) {
    // Sticks belong to line-list types only; the loaded spectrum and the exchange types have none.
    int16_t lines = (ShowsSpectrumType(gSimType) || IsDynamicType(gSimType)) ? int16_t{0} : gNumLines;
    int16_t flag = 0;
    MainWindow().DrawSpectra(lines, gTraceColors, flag);
    if (gSimType == 9) ShowAbxSolution();
  }
  gCalculating = false;
}
