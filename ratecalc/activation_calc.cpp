#include "ratecalc/activation_calc.h"

#include <cmath>
#include <limits>

#include "drawlib/util/numbers.h"
#include "platform/runtime_numbers.h"
#include "ratecalc/eyring.h"
#include "ratecalc/hxutil.h"
#include "ratecalc/rate_format.h"

namespace {

constexpr float kInf = std::numeric_limits<float>::infinity();

// k and half-life from G at TK.
void RateFromG(ActivationCalc::Values& c) {
  c.k = ToSingle(RateFromFreeEnergy(c.G, c.TK));
  c.halfLife = c.k > 0 ? ToSingle(kHalfLifeFactor / c.k) : kInf;
}

// A changed temperature keeps H and S and moves G.
void FromTemperature(ActivationCalc::Values& c) {
  c.G = ToSingle(c.H - static_cast<double>(c.S) * c.TK / 1000.0);
  RateFromG(c);
}

// G from k, then H (bit 0 set: S kept) or S (H kept).
void EnergiesFromRate(ActivationCalc::Values& c, int lockMask) {
  c.G = ToSingle(FreeEnergyFromRate(c.k, c.TK));
  if (lockMask & 1)
    c.H = ToSingle(c.G + static_cast<double>(c.S) * c.TK / 1000.0);
  else
    c.S = ToSingle((static_cast<double>(c.H) - c.G) * 1000.0 / c.TK);
}

bool Usable(float x) { return std::isfinite(x); }

}  // namespace

void ActivationCalc::Load() {
  v = Values{};
  v.S = 0;
  v.TK = 293.16f;
  v.TC = 20;
  v.H = 12;
  v.G = ToSingle(v.H - static_cast<double>(v.S) * v.TK / 1000.0);
  RateFromG(v);
  EnergyFactor = 1.0;
  LockMask = 0;
  ActivationRefresh();
  OptLock(1);
  OptLock(3);
  OptLock(5);
}

void ActivationCalc::Change(int index, const std::string& text) {
  const float value = ValPoint(text);  // a decimal comma (pasted) counts as a point
  switch (index) {
    case kTC: v.TC = value; break;
    case kTK: v.TK = SngMax(value, 70.0f); break;
    case kRate: v.k = value; break;
    case kHalfLife: v.halfLife = value; break;
    case kG: v.G = ToSingle(value / EnergyFactor); break;
    case kH: v.H = ToSingle(value / EnergyFactor); break;
    case kS: v.S = ToSingle(value / EnergyFactor); break;
    default: break;
  }
}

std::string ActivationCalc::ActivationRecalc(int index) {
  Values c = v;
  switch (index) {
    case kTC:
      KelvinFromCelsius(c.TC, c.TK);
      FromTemperature(c);
      break;
    case kTK:
      CelsiusFromKelvin(c.TC, c.TK);
      FromTemperature(c);
      break;
    case kRate:
      c.k = SngMax(c.k, 1e-15f);
      c.halfLife = ToSingle(kHalfLifeFactor / c.k);
      EnergiesFromRate(c, LockMask);
      break;
    case kHalfLife:
      c.halfLife = SngMin(c.halfLife, 1e13f);
      if (!(c.halfLife > 0)) return "The half-life must be greater than 0.";
      c.k = ToSingle(kHalfLifeFactor / c.halfLife);
      EnergiesFromRate(c, LockMask);
      break;
    case kG:
      c.G = SngMax(c.G, 0.1f);
      if (LockMask & 1)
        c.H = ToSingle(c.G + static_cast<double>(c.S) * c.TK / 1000.0);
      else
        c.S = ToSingle((static_cast<double>(c.H) - c.G) * 1000.0 / c.TK);
      RateFromG(c);
      break;
    case kH:
      if (LockMask & 2) {
        c.G = ToSingle(c.H - static_cast<double>(c.S) * c.TK / 1000.0);
        if (c.G < 0) {
          c.G = 0.1f;
          c.H = ToSingle(static_cast<double>(c.S) * c.TK / 1000.0 + 0.1);
        }
      } else {
        c.S = ToSingle((static_cast<double>(c.H) - c.G) * 1000.0 / c.TK);
      }
      RateFromG(c);
      break;
    case kS:
      if (LockMask & 4) {
        c.G = ToSingle(c.H - static_cast<double>(c.S) * c.TK / 1000.0);
        if (c.G < 0) {
          c.G = 0.1f;
          c.S = ToSingle((static_cast<double>(c.H) - 0.1) * 1000.0 / c.TK);
        }
      } else {
        c.H = ToSingle(static_cast<double>(c.S) * c.TK / 1000.0 + c.G);
      }
      RateFromG(c);
      break;
    default:
      return "";
  }
  std::string fault = Fault(c, index);
  if (fault.empty()) v = c;
  return fault;
}

std::string ActivationCalc::Fault(const Values& c, int index) {
  const char* kept = kPreviousValuesKept;
  if (!(c.k >= 0) || !(c.halfLife >= 0))
    return std::string("The values cannot be calculated.") + kept;
  if (c.k == 0 || !Usable(c.halfLife))
    return std::string(index == kHalfLife ? "The half-life is too long to calculate."
                                          : "The rate constant would be too small to calculate: "
                                            "the free energy of activation is too large for "
                                            "this temperature.") + kept;
  if (!Usable(c.k) || c.halfLife == 0)
    return std::string(index == kRate || index == kHalfLife
                           ? "The rate constant is too large to calculate."
                           : "The rate constant would be too large to calculate: the free energy "
                             "of activation is too small for this temperature.") + kept;
  for (float x : {c.TC, c.TK, c.G, c.H, c.S})
    if (!Usable(x)) return std::string("A result would be too large to calculate.") + kept;
  return "";
}

void ActivationCalc::ActivationRefresh() {
  Put(kTC, Format(v.TC, "0.00"));
  Put(kTK, Format(v.TK, "0.00"));
  Put(kH, Format(v.H * EnergyFactor, "0.00"));
  Put(kS, Format(v.S * EnergyFactor, "0.00"));
  Put(kG, Format(v.G * EnergyFactor, "0.00"));
  Put(kRate, FormatRate(v.k));
  Put(kHalfLife, FormatRate(v.halfLife));
  EndRefresh();
}

std::string ActivationCalc::Step(int index, bool up, bool big) {
  const double sign = up ? 1.0 : -1.0;
  switch (index) {
    case kTC:
    case kTK:
      v.TC = ToSingle(v.TC + sign * (big ? 5.0 : 1.0));
      index = kTC;
      break;
    case kRate:
      v.k = StepByFactor(v.k, up, big);
      break;
    case kG:
    case kH:
    case kS: {
      float& q = index == kG ? v.G : index == kH ? v.H : v.S;
      q = ToSingle(q + sign * (big ? 1.0 : 0.1) / EnergyFactor);
      break;
    }
    default:
      break;
  }
  return RecalcAndRefresh(index);
}

std::string ActivationCalc::EnergyCaption(int index) const {
  const bool joules = EnergyFactor != 1.0;
  switch (index) {
    case kG: return joules ? "delta G# (kJ)" : "delta G# (kcal)";
    case kH: return joules ? "delta H# (kJ)" : "delta H# (kcal)";
    case kS: return joules ? "delta S# (J/deg-mol)" : "delta S# (eu)";
    default: return "";
  }
}
