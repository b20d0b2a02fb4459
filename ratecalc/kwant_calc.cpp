#include "ratecalc/kwant_calc.h"

#include "ratecalc/eyring.h"
#include "ratecalc/hxutil.h"

void KwantCalc::SetJoules(bool on) {
  EnergyFactor = on ? kJoulePerCalorie : 1.0;
  Refresh();
}

bool KwantCalc::LostFocus(int index, std::string& fault) {
  fault.clear();
  if (!entry.IsPending(index)) return false;
  fault = RecalcAndRefresh(index);
  return true;
}

void KwantCalc::OptLock(int option) {
  if (option < 0 || option > 5) return;
  const int bit = 1 << (option / 2);
  LockMask = static_cast<int16_t>(option % 2 ? (LockMask | bit) : (LockMask & ~bit));
}

std::string KwantCalc::RecalcAndRefresh(int index) {
  std::string fault = Recalc(index);
  if (!fault.empty()) RestoreRefreshed();
  Refresh();
  return fault;
}

void KwantCalc::KelvinFromCelsius(float& TC, float& TK) {
  TC = SngMax(TC, -273.0f);
  TK = ToSingle(TC + kKelvinOffset);
}

void KwantCalc::CelsiusFromKelvin(float& TC, float& TK) {
  TK = SngMax(TK, 0.1f);
  TC = ToSingle(TK - kKelvinOffset);
}

float KwantCalc::StepByFactor(float x, bool up, bool big) {
  const double f = big ? 2.0 : 1.1;
  return ToSingle(up ? x * f : x / f);
}
