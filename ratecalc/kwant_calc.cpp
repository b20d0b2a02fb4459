#include "ratecalc/kwant_calc.h"

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
