// The arithmetic of the activation-parameter window: seven linked quantities (temperature in
// degrees C and K, rate constant, half-life, free energy, enthalpy and entropy of activation),
// recalculated by the Eyring relation after one of them is edited or stepped.
#pragma once

#include <string>

#include "ratecalc/kwant_calc.h"

// Window state; G, H in kcal/mol and S in cal/(mol K) whatever the display unit.
struct ActivationValues {
  float k = 0, halfLife = 0, TC = 0, TK = 0, G = 0, H = 0, S = 0;
};

class ActivationCalc : public KwantCalcOf<ActivationValues, 7> {
 public:
  // Quantity index of every box.
  enum Kwant : int { kTC = 0, kTK = 1, kRate = 2, kHalfLife = 3, kG = 4, kH = 5, kS = 6 };

  ActivationCalc() { Load(); }

  // Start values, refresh, locks 1, 3 and 5.
  void Load() override;

  // Stores the value of box `index`'s text (typed or written by a refresh).
  void Change(int index, const std::string& text) override;
  // Recomputes the others after quantity `index` changed; on an arithmetic fault the values
  // stay as they were and the fault's message is returned; "" on success.
  std::string ActivationRecalc(int index);
  // Writes the texts of the boxes in refresh order (each write stores its value as typed text
  // would) and ends the text entry.
  void ActivationRefresh();

  // Small or big step of quantity `index` down or up, then recalculation and refresh.
  std::string Step(int index, bool up, bool big) override;

  // The caption of box label 4, 5 or 6 for the current energy unit.
  std::string EnergyCaption(int index) const;

 protected:
  std::string Recalc(int index) override { return ActivationRecalc(index); }
  void Refresh() override { ActivationRefresh(); }

 private:
  static std::string Fault(const Values& candidate, int index);
};
