// The restore-options dialog frmRestoreOpt: what to restore of a saved simulation, given back
// in the tag as "Both", "Spec", "Sim", or "Neither" after Cancel, the frame's close or Esc.
#pragma once

#include <array>

#include "drawlib/ui/tag_dialog.h"

class QLabel;
class QPushButton;
class QRadioButton;

class frmRestoreOpt : public TagDialog {
 public:
  explicit frmRestoreOpt(QWidget* parent = nullptr);

  QRadioButton* OptRestore(int index) const { return options_[static_cast<size_t>(index)]; }
  QPushButton* cmdRestore(int index) const { return buttons_[static_cast<size_t>(index)]; }

 protected:
  void FrameClose() override;
  void EscapePressed() override;

 private:
  void cmdRestore_Click(int index);

  std::array<QRadioButton*, 3> options_{};
  std::array<QPushButton*, 2> buttons_{};
  QLabel* lblRestore_;
};
