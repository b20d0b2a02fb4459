// The first-order window: reaction time, rate constant and percentage of reaction of a
// first-order reaction, and the free energy of activation the rate constant means.
#pragma once

#include "ratecalc/first_order_calc.h"
#include "ratecalc/ui/kwant_form.h"

class QLabel;

class frmFirstOrder : public KwantForm {
  Q_OBJECT

 public:
  explicit frmFirstOrder(QWidget* parent = nullptr);
  const FirstOrderCalc& calc() const { return calc_; }

  // The free-energy read-out.
  QLabel* Label2 = nullptr;

 protected:
  void ShowExtra() override;

 private:
  FirstOrderCalc calc_;
};
