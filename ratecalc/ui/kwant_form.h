// What both calculator windows share: quantity boxes with the text-entry protocol, arrow
// buttons for the steps, pairs of lock options, the "Joules" check box and the three command
// buttons. The arithmetic lives in a KwantCalc; the window only shows it and forwards events.
#pragma once

#include <QWidget>

#include <array>
#include <string>
#include <vector>

class KwantCalc;
class KwantEdit;
class QCheckBox;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QPushButton;
class QRadioButton;
class QToolButton;

class KwantForm : public QWidget {
  Q_OBJECT

 public:
  // Tooltips of one box's arrow buttons: small down, small up, big down, big up.
  struct StepTips {
    const char* minus;
    const char* plus;
    const char* minusBig;
    const char* plusBig;
  };
  // The rate constant's steps, the same in both windows.
  static constexpr StepTips kRateTips = {"Divide k by 1.1", "Multiply k by 1.1", "Divide k by 2",
                                         "Multiply k by 2"};

  // Controls, indexed by quantity (steps: nullptr where a box has none).
  std::vector<QGroupBox*> frmKwant;
  std::vector<KwantEdit*> txtKwant;
  std::vector<QLabel*> lblKwant;
  std::vector<QToolButton*> cmndPlus, cmndMinus, cmndPlusBig, cmndMinusBig;
  std::array<QRadioButton*, 6> OptLock{};
  std::array<QLabel*, 3> Label1{};
  QCheckBox* chkJoule = nullptr;
  std::array<QPushButton*, 3> Command3D1{};

  // Event handlers (also driven by tests).
  bool txtKwant_KeyPress(int index, QKeyEvent* event);
  void txtKwant_Change(int index);
  void txtKwant_LostFocus(int index);
  void cmndPlus_Click(int index) { StepClick(index, true, false); }
  void cmndMinus_Click(int index) { StepClick(index, false, false); }
  void cmndPlusBig_Click(int index) { StepClick(index, true, true); }
  void cmndMinusBig_Click(int index) { StepClick(index, false, true); }
  void OptLock_Click(int option);
  void chkJoule_Click();
  void Command3D1_Click(int index);

 signals:
  // The third command button: this window closes and the other one opens.
  void switchRequested();

 protected:
  KwantForm(KwantCalc& calc, int boxCount, int labelCount, QWidget* parent);

  // Start values: the arithmetic's load, the lock options of its mask, "Joules" off.
  void Form_Load();
  // Writes the boxes' texts (without firing user signals) and the window's other read-outs.
  void ShowTexts();
  virtual void ShowExtra() {}

  // Builders for the layouts of the derived windows.
  // A frame with a grid: label, box, arrow buttons, then room for the lock options.
  QGroupBox* MakeFrame(int index, const char* caption);
  // Label, box and (when `tips` is given) the four arrow buttons of quantity `index`, in row
  // `row` of the frame's grid.
  void AddBoxRow(QGroupBox* frame, int row, int index, const char* caption,
                 const StepTips* tips);
  // "Lock:" and lock options 2*pair and 2*pair+1, exclusive, at the end of row 0 of the frame.
  void AddLockPair(QGroupBox* frame, int pair, const char* first, const char* second);
  // The "Joules" check box and the three command buttons.
  QWidget* MakeCommandRow(const char* third);
  // Gives every box's label the width of the widest (or of `longest`, a caption shown later),
  // so the boxes line up; the lock options of all frames line up too.
  void AlignLabels(const char* longest);
  // Tab goes through boxes 0 to count - 1 in index order.
  void ChainTabOrder(int count);

 private:
  void StepClick(int index, bool up, bool big);
  // Runs the recalculation of a box that holds typed text (a button was pressed meanwhile).
  void CommitPending();
  void WriteBox(int index, const std::string& text);
  void ReportFault(const std::string& fault);
  QToolButton* MakeArrow(Qt::ArrowType arrow, bool big, const char* tip, const char* name,
                         int index);
  bool Busy() const;

  KwantCalc& calc_;
  bool busy_ = false;
};
