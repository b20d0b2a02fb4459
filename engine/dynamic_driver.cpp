// CalcDynamicSpectrum: the spectrum of every dynamic-NMR type, computed into gSpectrum and drawn.
#include "engine/dynamic_driver.h"

#include <cmath>
#include <vector>

#include "engine/analyses.h"
#include "engine/engine_globals.h"
#include "engine/mainwin_services.h"
#include "engine/nsite_exchange.h"

namespace {

void CalculateType(int type) {
  using namespace dynamic;
  switch (type) {
    case 15:
    case 17:
    case 38: TwoSiteTypes(type); break;
    case 16:
    case 27:
    case 28:
    case 32:
    case 33:
    case 40: CoupledABTypes(type); break;
    case 18:
    case 19:
    case 20:
    case 21:
    case 22:
    case 25:
    case 26:
    case 29:
    case 30:
    case 31:
    case 36:
    case 41: NSiteTypes(type); break;
    case 23:
    case 24:
    case 37:
    case 43: RandomPartnerTypes(type); break;
    case 35: XPartOfABXType35(); break;
    case 42: MultipletType42(); break;
    default: break;
  }
}

}  // namespace

void CalcDynamicSpectrum() {
  MainWindowServices& window = MainWindow();
  const bool busy = gSimType != 15 && gSimType != 17;
  if (busy) window.SetMousePointer(MainWindowServices::kPointerHourglass);
  {
    SingularReportScope oneSingularReport;
    CalculateType(gSimType);
  }
  // Whatever the parameters, the picture never receives NaN or infinity.
  for (std::vector<float>* trace : {&gSpectrum, &gSpectrum2}) {
    for (float& v : *trace) {
      if (!std::isfinite(v)) v = 0.0f;
    }
  }
  int16_t lines = 0;
  int16_t flag = 0;
  window.DrawSpectra(lines, gTraceColors, flag);
  window.SetMousePointer(MainWindowServices::kPointerDefault);
}
