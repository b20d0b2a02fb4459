// The arithmetic of the first-order window: reaction time, rate constant and percentage of
// reaction of a first-order reaction, and the free energy of activation that the rate constant
// means at the chosen temperature.
#pragma once

#include <string>

#include "ratecalc/kwant_calc.h"

// Window state.
struct FirstOrderValues {
  float percent = 0, time = 0, k = 0, TC = 0, TK = 0, G = 0;  // G in kcal/mol
};

class FirstOrderCalc : public KwantCalcOf<FirstOrderValues, 5> {
 public:
  // Quantity index of every box; G is an output only.
  enum Kwant : int { kTC = 0, kTK = 1, kTime = 2, kRate = 3, kPercent = 4 };

  FirstOrderCalc() { Load(); }

  // Start values, refresh, locks 1, 2 and 5.
  void Load() override;
  // Stores the value of box `index`'s text, with no clamp.
  void Change(int index, const std::string& text) override;
  // Recomputes after quantity `index` changed; on an arithmetic fault the values stay as they
  // were and the message is returned; "" on success.
  std::string FirstOrderRecalc(int index);
  // Writes the boxes' texts in refresh order (each storing its value) and the G read-out.
  void FirstOrderRefresh();
  // The text of the G read-out (G in the current energy unit).
  const std::string& energyText() const { return energyText_; }
  // The caption of the G read-out's unit label.
  std::string EnergyCaption() const;

  std::string Step(int index, bool up, bool big) override;

 protected:
  std::string Recalc(int index) override { return FirstOrderRecalc(index); }
  void Refresh() override { FirstOrderRefresh(); }

 private:
  static std::string Fault(const Values& candidate);
  std::string energyText_;
};
