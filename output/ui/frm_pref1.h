// The spectrum layout dialog: box size, spectrometer frequency, Hz or ppm, page elements, the
// parameters printed in the box, the identifying text and the label font. It redraws the
// preview it was opened from.
#pragma once

#include <array>
#include <vector>

#include "drawlib/ui/tag_dialog.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;
class Zef1Prev;

class frmPref1 : public TagDialog {
 public:
  frmPref1(QWidget* parent, Zef1Prev* preview);
  ~frmPref1() override;

  void PrintSpectrum();
  void BoxSizeValidate(int mask);
  void LayoutApply();
  void LayoutFontDialog();
  bool LayoutReady() const { return layoutReady_; }

  void cmdPrintPref_Click(int index);
  void cmdPrintFullWdHt_Click(int index);
  void Spin1_Change(int index, bool up);
  void chkPageDesign_Click(int index);
  void optHzOrPpm_Click();
  void cmdUnCheck_Click(int index);
  // A parameter box dropped on the identifying text.
  void txtSpecID_DragDrop(int boxIndex);

  std::array<QGroupBox*, 2> Frame3d3{};
  std::array<QLineEdit*, 2> txtWdHt{};
  std::array<std::array<QToolButton*, 2>, 2> Spin1{};  // [box][0 down, 1 up]
  std::array<QPushButton*, 2> cmdPrintFullWdHt{};
  QLabel *lblMHz = nullptr, *Label2 = nullptr;
  QLineEdit *txtMHz = nullptr, *txtSpecID = nullptr;
  QGroupBox *Frame3D1 = nullptr, *Frame3D2 = nullptr;
  std::array<QCheckBox*, 14> chkPageDesign{};  // 0-5 and 10-13
  std::array<QRadioButton*, 2> optHzOrPpm{};
  std::vector<QCheckBox*> chkParToPrint;
  std::array<QPushButton*, 2> cmdUnCheck{};
  std::array<QPushButton*, 9> cmdPrintPref{};

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Form_Load();
  void ParamBoxMouse(QObject* box, QEvent* event);

  Zef1Prev* preview_;
  bool layoutReady_ = false;
  // Per size box (width, height): changed by the user since the dialog opened.
  bool sizeEdited_[2] = {false, false};
  QCheckBox* dragBox_ = nullptr;
  float downX_ = 0, downY_ = 0;
  bool dragging_ = false;
};
