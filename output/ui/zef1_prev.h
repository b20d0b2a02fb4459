// The print setup and preview dialog: the drawing on a picture of the printer page, the page
// frame to move or resize (print scale), orientation, printer, page design and pages per sheet.
// The tag is "OK" while shown and the print request after Print.
#pragma once

#include <QComboBox>

#include <array>

#include "drawlib/ui/tag_dialog.h"
#include "output/preview_model.h"

class OutputObject;
class PagePicture;
class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

class Zef1Prev : public TagDialog {
 public:
  explicit Zef1Prev(QWidget* parent = nullptr);
  ~Zef1Prev() override;

  void Prev_Caption();
  void DrawPicture();
  // The output object that drawing goes back to on close.
  void DefaultPict(OutputObject* picture) { defaultPict_ = picture; }
  void PrinterChange();

  void cmdPrintPrev_Click(int index);
  void chkPageDesign_Click(int index);
  void lstPrinters_Click();
  const PreviewState& State() const { return state_; }

  std::array<QPushButton*, 12> cmdPrintPrev{};
  std::array<QRadioButton*, 2> optWIN_EPS{};
  std::array<QCheckBox*, 2> chkPageDesign{};
  std::array<QRadioButton*, 4> optPagepPage{};
  std::array<QRadioButton*, 3> optPages{};
  std::array<QLineEdit*, 2> txtPgPrint{};
  std::array<QLineEdit*, 3> txtPrintScale{};  // index 2 is the box
  QComboBox* lstPrinters = nullptr;
  PagePicture* picPrintSetup = nullptr;
  QGroupBox *fraOutput = nullptr, *fraPageDesign = nullptr, *fraPrintScale = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void FrameClose() override { cmdPrintPrev_Click(5); }
  void EscapePressed() override { cmdPrintPrev_Click(6); }

 private:
  void Form_Activate();
  void ApplyOrientation();
  // Frame erased, change made, frame drawn (the frame is an overlay over the image).
  void ShowFrame();
  void ScaleBoxEnter();
  void CloseDialog();
  void MouseDown(float x, float y);
  void MouseMove(float x, float y);
  void ToWorld(float twipsX, float twipsY, float& x, float& y) const;

  PreviewState state_;
  OutputObject* defaultPict_ = nullptr;
};
