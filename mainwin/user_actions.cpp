// The user's clicks on option buttons, ribbons and lists, and the Options menu items whose check
// marks the calculation reads.
#include "engine/calc_spectrum.h"
#include "mainwin/design_layout.h"
#include "mainwin/kavo_form.h"

void KavoForm::optGroup_UserClick(int16_t index) {
  if (ctl_.Get(Ctl::optGroup, index).Value) return;
  optGroup_Click(index);
}

void KavoForm::optType_UserClick(int16_t index) { SetTypeButton(index, true); }

void KavoForm::grpInc_UserClick(int16_t index) {
  for (int ribbon : kIncrementRibbons) ctl_.SetValue(Ctl::grpInc, ribbon, ribbon == index);
  grpInc_Click(index);
}

void KavoForm::cmbPar_UserChoice(int16_t row, int16_t listIndex) {
  ctl_.SetListIndex(Ctl::cmbPar, row, listIndex);
  cmbPar_Click(row);
}

void KavoForm::mnuPrefPoint_Click(int16_t index) {
  int16_t step = index == 1 ? 3 : index == 2 ? 10 : 1;
  SetPointDisplay(step);
  for (int i = 0; i < 3; ++i) ctl_.SetValue(Ctl::mnuPrefPoint, i, i == index);
}

void KavoForm::mnuABXTree_Click() {
  ctl_.SetValue(Ctl::mnuABXTree, 0, !ctl_.Get(Ctl::mnuABXTree).Value);
}
