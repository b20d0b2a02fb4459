// The footer dialog: field buttons in the order the fields are to be printed, a sample of the
// footer, and storing the field list in the settings.
#pragma once

#include <array>
#include <string>

#include "drawlib/ui/tag_dialog.h"

class QLabel;
class QPushButton;

class frmBottomText : public TagDialog {
 public:
  explicit frmBottomText(QWidget* parent = nullptr);
  ~frmBottomText() override;

  std::array<QPushButton*, 6> cmdBTxt{};
  QPushButton *cmdClear = nullptr, *cmdSave = nullptr, *cmdExit = nullptr;
  QLabel* lblBTxt = nullptr;
  // The field list (the tag of lblBTxt).
  const std::string& FieldList() const { return fields_; }

  void cmdBTxt_Click(int index);
  void cmdClear_Click();
  void cmdSave_Click();
  void cmdExit_Click();

 protected:
  void FrameClose() override { cmdExit_Click(); }
  void EscapePressed() override { cmdExit_Click(); }

 private:
  std::string fields_;
};
