#include "ratecalc/ui/frm_first_order.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>

#include "platform/ui/qt_text.h"
#include "ratecalc/ui/kwant_edit.h"

namespace {
using F = FirstOrderCalc;

constexpr KwantForm::StepTips kTemperatureTips = {
    "Decrease temperature by 1 deg", "Increase temperature by 1 deg",
    "Decrease temperature by 10 deg", "Increase temperature by 10 deg"};
constexpr KwantForm::StepTips kTimeTips = {"Divide the time by 1.1", "Multiply the time by 1.1",
                                           "Divide the time by 2", "Multiply the time by 2"};
constexpr KwantForm::StepTips kPercentTips = {"Decrease by 5 %", "Increase by 5 %",
                                              "Decrease by 20 %", "Increase by 20 %"};
constexpr int kEnergyLabel = 5;
}  // namespace

frmFirstOrder::frmFirstOrder(QWidget* parent) : KwantForm(calc_, F::kCount, 6, parent) {
  setObjectName("frmFirstOrder");
  setWindowTitle("First Order Rate");

  QGroupBox* temperature = MakeFrame(0, "Temperature");
  AddBoxRow(temperature, 0, F::kTC, "Deg C", &kTemperatureTips);
  AddBoxRow(temperature, 1, F::kTK, "Deg K", nullptr);
  // The free energy of activation that k means at this temperature, beside the temperature.
  auto* grid = static_cast<QGridLayout*>(temperature->layout());
  auto* energyCaption = new QLabel("Delta G (kcal)", temperature);
  energyCaption->setObjectName("lblKwant5");
  energyCaption->setAlignment(Qt::AlignCenter);
  energyCaption->setMinimumWidth(
      QFontMetrics(energyCaption->font()).horizontalAdvance("Delta G (kcal)") + 8);
  lblKwant[kEnergyLabel] = energyCaption;
  Label2 = new QLabel(temperature);
  Label2->setObjectName("Label2");
  Label2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  Label2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  Label2->setTextInteractionFlags(Qt::TextSelectableByMouse);
  Label2->setToolTip("Free energy of activation for this rate constant and temperature");
  grid->addWidget(energyCaption, 0, 4);
  grid->addWidget(Label2, 1, 4, Qt::AlignHCenter);

  QGroupBox* time = MakeFrame(1, "Time");
  AddBoxRow(time, 0, F::kTime, "Time (sec)", &kTimeTips);
  AddLockPair(time, 1, "% React", "Rate");
  QGroupBox* rate = MakeFrame(3, "Rate Constant");
  AddBoxRow(rate, 0, F::kRate, "k (/sec)", &kRateTips);
  AddLockPair(rate, 2, "Time", "% React");
  QGroupBox* percent = MakeFrame(2, "% Reaction");
  AddBoxRow(percent, 0, F::kPercent, "% Reaction", &kPercentTips);
  AddLockPair(percent, 0, "Rate", "Time");
  AlignLabels("Time (sec)");
  Label2->setFixedWidth(txtKwant[F::kTC]->width());
  Label2->setMinimumHeight(txtKwant[F::kTC]->sizeHint().height());

  auto* layout = new QGridLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  layout->addWidget(temperature, 0, 0);
  layout->addWidget(time, 1, 0);
  layout->addWidget(rate, 2, 0);
  layout->addWidget(percent, 3, 0);
  layout->addWidget(MakeCommandRow("Delta G"), 4, 0);

  ChainTabOrder(F::kCount);
  Form_Load();
}

void frmFirstOrder::ShowExtra() {
  lblKwant[kEnergyLabel]->setText(ToQString(calc_.EnergyCaption()));
  Label2->setText(ToQString(calc_.energyText()));
}
