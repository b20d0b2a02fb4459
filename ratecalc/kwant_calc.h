// What the calculator's two windows share: boxes of linked quantities with the text-entry
// protocol, steps, three pairs of lock options and the "Joules" switch.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <utility>

#include "ratecalc/text_entry.h"

// Appended to the message of an arithmetic fault.
inline constexpr const char* kPreviousValuesKept = " The previous values are kept.";

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

  // The "Joules" check box: energies shown in kJ or in kcal; refreshes.
  void SetJoules(bool on);
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

  // A Celsius edit: TC at least -273 degrees, TK follows.
  static void KelvinFromCelsius(float& TC, float& TK);
  // A kelvin edit: TK at least 0.1 K, TC follows.
  static void CelsiusFromKelvin(float& TC, float& TK);
  // A step of a rate constant or a time: times or divided by 1.1 (small) or 2 (big).
  static float StepByFactor(float x, bool up, bool big);
};

// A window's state `ValuesT` with `N` boxes: the boxes' texts and the values of the last
// refresh, which a fault brings back.
template <class ValuesT, int N>
class KwantCalcOf : public KwantCalc {
 public:
  using Values = ValuesT;
  static constexpr int kCount = N;
  using Texts = std::array<std::string, N>;

  Values v;

  int BoxCount() const override { return N; }
  const std::string& BoxText(int index) const override { return texts_[index]; }
  // The boxes' texts as the last refresh wrote them.
  const Texts& texts() const { return texts_; }

 protected:
  // A refresh writes box `index`: its text, whose value is then stored as typed text would be.
  void Put(int index, std::string text) {
    texts_[index] = std::move(text);
    Change(index, texts_[index]);
  }
  // The end of every refresh: the next key starts a new number, and these values are the ones
  // a fault returns to.
  void EndRefresh() {
    entry.Refreshed();
    refreshed_ = v;
  }
  void RestoreRefreshed() override { v = refreshed_; }

 private:
  Texts texts_;
  Values refreshed_;
};
