// What the calculator's two windows share: boxes of linked quantities with the text-entry
// protocol, steps, three pairs of lock options and the "Joules" switch.
#pragma once

#include <cstdint>
#include <string>

#include "ratecalc/text_entry.h"

class KwantCalc {
 public:
  virtual ~KwantCalc() = default;

  TextEntry entry;
  // Bits 0-2, one per pair of lock options.
  int16_t LockMask = 0;
  // Display factor of the energies: 1 (kcal) or 4.186 (kJ).
  double EnergyFactor = 1.0;

  virtual int BoxCount() const = 0;
  // The text of box `index` as the last refresh wrote it.
  virtual const std::string& BoxText(int index) const = 0;
  // Back to the start values.
  virtual void Load() = 0;
  // Stores the value of box `index`'s text (typed or written).
  virtual void Change(int index, const std::string& text) = 0;
  // A step down or up, small or big, then recalculation and refresh; returns a fault message.
  virtual std::string Step(int index, bool up, bool big) = 0;
  // The "Joules" check box; refreshes.
  virtual void SetJoules(bool on) = 0;

  // The box lost the focus: recalculates and refreshes when text was typed into it; true when
  // it refreshed. `fault` receives the message of an arithmetic fault (values kept).
  bool LostFocus(int index, std::string& fault);
  // Lock option 0-5 chosen: option 2n+1 sets bit n, option 2n clears it.
  void OptLock(int option);

 protected:
  // Recalculation after quantity `index` changed: "" or the message of an arithmetic fault,
  // in which case the values are left as they were.
  virtual std::string Recalc(int index) = 0;
  // Writes every box (storing each value as typed text would) and ends the text entry.
  virtual void Refresh() = 0;
  // Takes back the values of the last refresh.
  virtual void RestoreRefreshed() = 0;
  // Recalculation, the previous values on a fault, then the refresh.
  std::string RecalcAndRefresh(int index);
};
