#include "ratecalc/first_order_calc.h"

#include <cmath>

#include "drawlib/util/numbers.h"
#include "platform/runtime_numbers.h"
#include "ratecalc/eyring.h"
#include "ratecalc/hxutil.h"
#include "ratecalc/rate_format.h"

namespace {

void EnergyFromRate(FirstOrderCalc::Values& c) {
  c.G = ToSingle(FreeEnergyFromRate(c.k, c.TK));
}

}  // namespace

void FirstOrderCalc::Load() {
  v = Values{};
  v.TK = 293.16f;
  v.TC = 20;
  v.percent = 50;
  v.time = 600;
  v.k = ToSingle(FirstOrderSolve(50, 600));
  EnergyFromRate(v);
  EnergyFactor = 1.0;
  LockMask = 0;
  FirstOrderRefresh();
  OptLock(1);
  OptLock(2);
  OptLock(5);
}

void FirstOrderCalc::Change(int index, const std::string& text) {
  const float value = ValPoint(text);  // a decimal comma (pasted) counts as a point
  switch (index) {
    case kTC: v.TC = value; break;
    case kTK: v.TK = value; break;
    case kTime: v.time = value; break;
    case kRate: v.k = value; break;
    case kPercent: v.percent = value; break;
    default: break;
  }
}

std::string FirstOrderCalc::FirstOrderRecalc(int index) {
  Values c = v;
  switch (index) {
    case kTC:
      KelvinFromCelsius(c.TC, c.TK);
      EnergyFromRate(c);
      break;
    case kTK:
      CelsiusFromKelvin(c.TC, c.TK);
      EnergyFromRate(c);
      break;
    case kTime:
      c.time = SngMax(c.time, 0.01f);
      if (LockMask & 2) {
        c.percent = ToSingle(PercentReaction(c.time, c.k));
      } else {
        c.k = ToSingle(FirstOrderSolve(c.percent, c.time));
        EnergyFromRate(c);
      }
      break;
    case kRate:
      c.k = SngMax(c.k, 1e-15f);
      if (LockMask & 4)
        c.time = ToSingle(FirstOrderSolve(c.percent, c.k));
      else
        c.percent = ToSingle(PercentReaction(c.time, c.k));
      EnergyFromRate(c);
      break;
    case kPercent:
      c.percent = SngMax(c.percent, 0.000001f);
      c.percent = SngMin(c.percent, 99.999f);
      if (LockMask & 1) {
        c.k = ToSingle(FirstOrderSolve(c.percent, c.time));
        EnergyFromRate(c);
      } else {
        c.time = ToSingle(FirstOrderSolve(c.percent, c.k));
      }
      break;
    default:
      return "";
  }
  std::string fault = Fault(c);
  if (fault.empty()) v = c;
  return fault;
}

std::string FirstOrderCalc::Fault(const Values& c) {
  const char* kept = kPreviousValuesKept;
  if (!(c.percent < 100.0f))
    return std::string("The reaction would be complete (100 %) within the precision of the "
                       "calculation: choose a shorter time or a smaller rate constant.") + kept;
  if (!(c.percent > 0.0f))
    return std::string("The percentage of reaction would be 0 within the precision of the "
                       "calculation: choose a longer time or a larger rate constant.") + kept;
  if (!(c.time > 0.0f) || !std::isfinite(c.time))
    return std::string("The reaction time would be too short or too long to calculate.") + kept;
  if (!(c.k > 0.0f) || !std::isfinite(c.k))
    return std::string("The rate constant would be too small or too large to calculate.") + kept;
  if (!std::isfinite(c.G) || !std::isfinite(c.TC) || !std::isfinite(c.TK))
    return std::string("The free energy of activation cannot be calculated for these values.") +
           kept;
  return "";
}

void FirstOrderCalc::FirstOrderRefresh() {
  Put(kTC, Format(v.TC, "0.00"));
  Put(kTK, Format(v.TK, "0.00"));
  Put(kPercent, FormatPercent(v.percent));
  Put(kTime, FormatTime(v.time));
  Put(kRate, FormatRate(v.k));
  energyText_ = Format(v.G * EnergyFactor, "0.00");
  EndRefresh();
}

std::string FirstOrderCalc::Step(int index, bool up, bool big) {
  switch (index) {
    case kTC:
    case kTK:
      v.TC = ToSingle(v.TC + (up ? 1.0 : -1.0) * (big ? 10.0 : 1.0));
      index = kTC;
      break;
    case kTime:
      v.time = StepByFactor(v.time, up, big);
      break;
    case kRate:
      v.k = StepByFactor(v.k, up, big);
      break;
    case kPercent: {
      const double d = big ? 20.0 : 5.0;
      v.percent = up ? ToSingle(v.percent + d) : SngMax(ToSingle(v.percent - d), 0.00001f);
      break;
    }
    default:
      break;
  }
  return RecalcAndRefresh(index);
}

std::string FirstOrderCalc::EnergyCaption() const {
  return EnergyFactor != 1.0 ? "Delta G (kJ)" : "Delta G (kcal)";
}
