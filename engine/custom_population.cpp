#include "engine/custom_population.h"

#include <cmath>
#include <string>

#include "drawlib/ini/libr_ini.h"
#include "platform/msgbox.h"
#include "platform/runtime_numbers.h"
#include "platform/runtime_text.h"

namespace {

constexpr const char* kSection = "Kavo 5 Spin LiI Pelko";
constexpr double kGasConstant = 1.987;  // cal / (mol K)
constexpr double kNotGiven = -999.0;

double ReadNumber(const char* key, const char* defaultText) {
  return Val(IniGetString(kSection, key, defaultText));
}

void Report(const char* text) { MsgBox(text, vbOKOnly); }

}  // namespace

void CustomPopulation(float& pa, float& pb, float& pc, float& pd, float& T) {
  if (Trim(IniGetString(kSection, "OK", "NO")) != "OK") return;
  if (T < 10.0f) return Report("No Temperature specified");
  if (ReadNumber("LiConc", "0") == 0.0) return Report("No Li Concentration specified");
  const double iConc = ReadNumber("IConc", "0");
  if (iConc == 0.0) return Report("No Li Concentration specified");
  const double deltaH = ReadNumber("DeltaH", "-999");
  if (deltaH == kNotGiven) return Report("No Delta H specified");
  const double deltaS = ReadNumber("DeltaS", "-999");
  if (deltaS == kNotGiven) return Report("No Delta S specified");

  const double t = T;
  const double ci = iConc / (0.5 * pa + 0.5 * pc);
  const double q = static_cast<double>(pb) * 0.5 * ci;
  const double K = std::exp((deltaS * t - deltaH * 1000.0) / (t * kGasConstant));
  const float result = static_cast<float>(std::sqrt(q / K) / ci);
  if (!std::isfinite(result) || !(result > 0.0f)) {
    return Report("No valid population from these values");
  }
  pd = result;
}
