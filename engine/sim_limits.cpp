#include <string>

#include "drawlib/ini/libr_ini.h"
#include "engine/engine_globals.h"
#include "engine/sim_catalogue.h"
#include "platform/runtime_numbers.h"

namespace {

// A plain decimal reading: stops at the first character that is not part of a number, so a
// text that does not start with a number gives 0 and a decimal comma ends the number.
float ReadLimit(const char* key, const char* defaultText) {
  const double value = Val(IniGetString("Kavo MinMax", key, defaultText));
  return static_cast<float>(value);
}

}  // namespace

void SimParLimitsRead() {
  if (SimParLimits.Read) return;
  SimParLimitsRec& l = SimParLimits;
  l.ChemicalShiftMax = ReadLimit("ChemicalShiftMax", "500000");
  l.ChemicalShiftMin = ReadLimit("ChemicalShiftMin", "-500000");
  l.SpectrumOffsetMax = ReadLimit("SpectrumOffsetMax", "800000");
  l.SpectrumOffsetMin = ReadLimit("SpectrumOffsetMin", "-800000");
  l.SpectrumWidthMax = ReadLimit("SpectrumWidthMax", "1000000");
  l.SpectrumWidthMin = ReadLimit("SpectrumWidthMin", "5");
  l.LineWidthMax = ReadLimit("LineWidthMax", "60000");
  l.LineWidthMin = ReadLimit("LineWidthMin", "0.1");
  l.JCouplingMax = ReadLimit("JCouplingMax", "10000");
  l.JCouplingMin = ReadLimit("JCouplingMin", "-10000");
  l.CenterFrequencyMax = ReadLimit("CenterFrequencyMax", "600000");
  l.CenterFrequencyMin = ReadLimit("CenterFrequencyMin", "-600000");
  l.Read = true;
}
