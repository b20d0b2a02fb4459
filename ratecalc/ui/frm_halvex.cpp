#include "ratecalc/ui/frm_halvex.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "platform/ui/qt_text.h"
#include "ratecalc/ui/kwant_edit.h"

namespace {
using A = ActivationCalc;

constexpr KwantForm::StepTips kTemperatureTips = {
    "Decrease temperature by 1 deg", "Increase temperature by 1 deg",
    "Decrease temperature by 5 deg", "Increase temperature by 5 deg"};
constexpr KwantForm::StepTips kGTips = {"Decrease Delta G by 0.1", "Increase Delta G by 0.1",
                                        "Decrease Delta G", "Increase Delta G"};
constexpr KwantForm::StepTips kHTips = {"Decrease Delta H by 0.1", "Increase Delta H by 0.1",
                                        "Decrease Delta H", "Increase Delta H"};
constexpr KwantForm::StepTips kSTips = {"Decrease Delta S by 0.1", "Increase Delta S by 0.1",
                                        "Decrease Delta S", "Increase Delta S"};
}  // namespace

frmHalvex::frmHalvex(QWidget* parent) : KwantForm(calc_, A::kCount, A::kCount, parent) {
  setObjectName("frmHalvex");
  setWindowTitle("Calculation of Rates and Activation Parameters");

  QGroupBox* temperature = MakeFrame(0, "Temperature");
  AddBoxRow(temperature, 0, A::kTC, "Deg C", &kTemperatureTips);
  AddBoxRow(temperature, 1, A::kTK, "deg K", nullptr);
  QGroupBox* rate = MakeFrame(1, "Rate");
  AddBoxRow(rate, 0, A::kRate, "k (sec-1)", &kRateTips);
  AddBoxRow(rate, 1, A::kHalfLife, "t 1/2 (sec)", nullptr);

  QGroupBox* g = MakeFrame(2, "Free Energy of Activation ");
  AddBoxRow(g, 0, A::kG, "delta G# (kcal)", &kGTips);
  AddLockPair(g, 0, "Delta H", "Delta S");
  QGroupBox* h = MakeFrame(3, "Enthalpy of Activation");
  AddBoxRow(h, 0, A::kH, "delta H# (kcal)", &kHTips);
  AddLockPair(h, 1, "Delta G", "Delta S");
  QGroupBox* s = MakeFrame(4, "Entropy of Activation");
  AddBoxRow(s, 0, A::kS, "delta S# (eu)", &kSTips);
  AddLockPair(s, 2, "Delta G", "Delta H");
  AlignLabels("delta S# (J/deg-mol)");  // the longest caption, shown with "Joules"

  auto* layout = new QGridLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  layout->addWidget(temperature, 0, 0);
  layout->addWidget(rate, 0, 1);
  layout->addWidget(g, 1, 0, 1, 2);
  layout->addWidget(h, 2, 0, 1, 2);
  layout->addWidget(s, 3, 0, 1, 2);
  layout->addWidget(MakeCommandRow("First Order Rate"), 4, 0, 1, 2);

  ChainTabOrder(A::kG + 1);
  Form_Load();
}

void frmHalvex::ShowExtra() {
  for (int i = A::kG; i <= A::kS; ++i)
    lblKwant[i]->setText(ToQString(calc_.EnergyCaption(i)));
}
