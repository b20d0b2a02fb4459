// The parameter dialog "Parameters" on Qt: the widgets of DataEntryForm, placed in twips from its
// layout, modal to the main window only so that the help viewer stays usable. Esc acts as
// Cancel; the window frame's close button gives "OK". On a screen with less room than the cells
// need, the cells scroll within the window.
#pragma once

#include <array>
#include <string>

#include "drawlib/ui/tag_dialog.h"
#include "mainwin/data_entry_form.h"

class KavoForm;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;

// Shows the dialog over the main window for the current type and returns its tag: "OK" when
// parameters were changed (or the frame was closed), "Cancel" otherwise. The caller snapshots
// the type before and re-lays or restores it after.
std::string RunParameterDialog(KavoForm& form, QWidget* parent);

class frmDataEntry : public TagDialog, public DataEntryView {
 public:
  frmDataEntry(DataEntryOwner& owner, QWidget* parent = nullptr);

  DataEntryForm& form() { return form_; }
  // The controls (nullptr where a parameter has none).
  QCheckBox* check1(int i) const { return check1_[Index(i)]; }
  QLabel* ParName(int i) const { return ParName_[Index(i)]; }
  QLabel* ParVal(int i) const { return ParVal_[Index(i)]; }
  QComboBox* Combo1(int i) const { return Combo1_[Index(i)]; }
  QWidget* Shape3(int i) const { return Shape3_[Index(i)]; }
  QLineEdit* txtCurrPV() const { return txtCurrPV_; }
  QPushButton* Command3D1(int k) const { return Command3D1_[static_cast<size_t>(k & 3)]; }
  // The widget that holds every control (it scrolls when the window is smaller).
  QWidget* Cells() const { return content_; }
  QScrollArea* CellScroller() const { return scroll_; }

  // DataEntryView
  void CheckChanged(int16_t i) override;
  void ValueTextChanged(int16_t i) override;
  void EditBoxMoved(bool focus) override;
  void SelectAllEditText() override;
  void HideDialog() override;

 protected:
  void FrameClose() override;
  void EscapePressed() override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  static size_t Index(int i) { return static_cast<size_t>(i) % kSimParCount; }
  int Px(int32_t twips) const;
  QRect PxRect(const TwipsRect& r) const;
  void BuildMatrixFrames();
  void BuildCell(int16_t p, const ParCellLayout& cell);
  void BuildEditBoxAndButtons();
  void FitOnScreen(QSize cells);
  bool KeyPress(QObject* watched, QKeyEvent* key);
  void EditBoxKey(QKeyEvent* key, bool& consumed);
  // Right-button release on a control with help of its own; false for other controls.
  bool RightButtonUp(QObject* watched);

  DataEntryForm form_;
  double twipsPerPixel_;
  QScrollArea* scroll_;
  QWidget* content_;
  std::array<QCheckBox*, kSimParCount> check1_{};
  std::array<QLabel*, kSimParCount> ParName_{};
  std::array<QLabel*, kSimParCount> ParVal_{};
  std::array<QComboBox*, kSimParCount> Combo1_{};
  std::array<QWidget*, kSimParCount> Shape3_{};
  std::array<QPushButton*, 4> Command3D1_{};
  QLineEdit* txtCurrPV_ = nullptr;
};
