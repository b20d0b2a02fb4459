// The activation-parameter window, the calculator's start-up window: temperature, rate
// constant, half-life and the free energy, enthalpy and entropy of activation, linked by the
// Eyring relation.
#pragma once

#include "ratecalc/activation_calc.h"
#include "ratecalc/ui/kwant_form.h"

class frmHalvex : public KwantForm {
  Q_OBJECT

 public:
  explicit frmHalvex(QWidget* parent = nullptr);
  const ActivationCalc& calc() const { return calc_; }

 protected:
  void ShowExtra() override;

 private:
  ActivationCalc calc_;
};
