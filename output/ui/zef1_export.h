// The export dialog: the kind of graphics, the framing, disk or clipboard and the options of
// an export. The settings text goes in through the tag; OK gives the new settings text, Cancel
// or the close box "".
#pragma once

#include <array>

#include "drawlib/ui/tag_dialog.h"
#include "output/export_setup.h"

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

class Zef1Export : public TagDialog {
 public:
  explicit Zef1Export(QWidget* parent = nullptr);
  ~Zef1Export() override;

  // The settings text of the current choices, shown in Label1.
  void ShowCapt();

  std::array<QRadioButton*, kGraphicsOptions> optGraphics{};
  std::array<QRadioButton*, kFrameOptions> optFrame{};
  std::array<QRadioButton*, kOutputOptions> optOutput{};
  QGroupBox *fraGraphics = nullptr, *fraFrame = nullptr, *fraOutput = nullptr;
  QCheckBox *chkEMF = nullptr, *chkIncludeZEF = nullptr, *chkGIFTransparent = nullptr,
            *chkLineSmooth = nullptr;
  QLabel *Label1 = nullptr, *lblInfo = nullptr;
  QPushButton *cmdExit = nullptr, *cmdCancel = nullptr, *cmdHelp = nullptr;

  void optGraphics_Click(int index);
  void optFrame_Click(int index);
  void optOutput_Click(int index);
  void chkEMF_Click();
  void cmdExit_Click();
  void cmdCancel_Click();
  void cmdHelp_Click();

 protected:
  void showEvent(QShowEvent* event) override;
  void FrameClose() override { cmdCancel_Click(); }
  void EscapePressed() override { cmdCancel_Click(); }

 private:
  void Form_Activate();
  // The widgets take the model's selections, captions and enabling.
  void ShowModel();

  ExportSetup model_;
};
