#include "ratecalc/ui/kwant_form.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOption>
#include <QToolButton>

#include <algorithm>

#include "drawlib/ui/numeric_key_filter.h"
#include "platform/msgbox.h"
#include "platform/ui/qt_text.h"
#include "ratecalc/info_message.h"
#include "ratecalc/kwant_calc.h"
#include "ratecalc/ui/kwant_edit.h"

namespace {

// Columns of a frame's grid.
enum Column { kLabelColumn = 0, kBoxColumn = 1, kStepColumn = 2, kLockColumn = 4 };

QString Name(const char* base, int index) { return QString("%1%2").arg(base).arg(index); }

// Two arrows side by side, drawn by the style as the arrow buttons draw theirs: the picture of
// the big steps.
QIcon DoubleArrowIcon(Qt::ArrowType arrow, QSize size, QWidget* widget) {
  const qreal ratio = widget->devicePixelRatioF();
  QPixmap pixmap(size * ratio);
  pixmap.setDevicePixelRatio(ratio);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  QStyleOption option;
  option.initFrom(widget);
  option.state |= QStyle::State_Enabled;
  const QStyle::PrimitiveElement element =
      arrow == Qt::UpArrow ? QStyle::PE_IndicatorArrowUp : QStyle::PE_IndicatorArrowDown;
  const int half = size.width() / 2;
  for (int x : {0, half}) {
    option.rect = QRect(x, 0, half, size.height());
    widget->style()->drawPrimitive(element, &option, &painter, widget);
  }
  return QIcon(pixmap);
}

}  // namespace

KwantForm::KwantForm(KwantCalc& calc, int boxCount, int labelCount, QWidget* parent)
    : QWidget(parent), calc_(calc) {
  txtKwant.assign(boxCount, nullptr);
  lblKwant.assign(labelCount, nullptr);
  cmndPlus.assign(boxCount, nullptr);
  cmndMinus.assign(boxCount, nullptr);
  cmndPlusBig.assign(boxCount, nullptr);
  cmndMinusBig.assign(boxCount, nullptr);
}

bool KwantForm::Busy() const { return busy_ || MsgBoxIsOpen(); }

void KwantForm::Form_Load() {
  calc_.Load();
  for (int pair = 0; pair < 3; ++pair) {
    const int option = 2 * pair + ((calc_.LockMask >> pair) & 1);
    if (OptLock[option]) {
      QSignalBlocker block(OptLock[option]);
      OptLock[option]->setChecked(true);
    }
  }
  if (chkJoule) {
    QSignalBlocker block(chkJoule);
    chkJoule->setChecked(false);
  }
  ShowTexts();
}

void KwantForm::ShowTexts() {
  for (int i = 0; i < static_cast<int>(txtKwant.size()); ++i) {
    if (!txtKwant[i]) continue;
    QSignalBlocker block(txtKwant[i]);
    txtKwant[i]->setText(ToQString(calc_.BoxText(i)));
  }
  ShowExtra();
}

void KwantForm::WriteBox(int index, const std::string& text) {
  {
    QSignalBlocker block(txtKwant[index]);
    txtKwant[index]->setText(ToQString(text));
  }
  calc_.Change(index, text);
}

bool KwantForm::txtKwant_KeyPress(int index, QKeyEvent* event) {
  // Only a key that types a character (Enter and Backspace included); arrows, Delete and
  // shortcuts such as copy and paste are left to the box.
  if (KeyAsciiOf(event) == 0) return false;
  if (Busy()) return true;
  // The first key after a refresh starts a new number.
  if (calc_.entry.KeyStartsNumber(index)) WriteBox(index, "");
  return NumericKeyPress(txtKwant[index], event).consumed;
}

void KwantForm::txtKwant_Change(int index) {
  calc_.entry.MarkEdited(index);
  calc_.Change(index, FromQString(txtKwant[index]->text()));
}

void KwantForm::txtKwant_LostFocus(int index) {
  if (Busy()) return;
  std::string fault;
  if (calc_.LostFocus(index, fault)) {
    ShowTexts();
    ReportFault(fault);
  }
}

void KwantForm::CommitPending() {
  const int pending = calc_.entry.LastEdited;
  if (pending >= 0) txtKwant_LostFocus(pending);
}

void KwantForm::StepClick(int index, bool up, bool big) {
  if (Busy()) return;
  CommitPending();
  const std::string fault = calc_.Step(index, up, big);
  ShowTexts();
  ReportFault(fault);
}

void KwantForm::OptLock_Click(int option) {
  if (Busy()) return;
  CommitPending();
  calc_.OptLock(option);
}

void KwantForm::chkJoule_Click() {
  if (Busy()) return;
  CommitPending();
  calc_.SetJoules(chkJoule->isChecked());
  ShowTexts();
}

void KwantForm::Command3D1_Click(int index) {
  if (Busy()) return;
  switch (index) {
    case 0:
      close();
      break;
    case 1:
      CommitPending();
      busy_ = true;
      ShowActivationInfo();
      busy_ = false;
      break;
    case 2:
      emit switchRequested();
      break;
    default:
      break;
  }
}

void KwantForm::ReportFault(const std::string& fault) {
  if (fault.empty()) return;
  busy_ = true;
  MsgBox(fault, vbExclamation);
  busy_ = false;
}

QGroupBox* KwantForm::MakeFrame(int index, const char* caption) {
  if (static_cast<int>(frmKwant.size()) <= index) frmKwant.resize(index + 1, nullptr);
  auto* frame = new QGroupBox(QString::fromLatin1(caption), this);
  frame->setObjectName(Name("frmKwant", index));
  auto* grid = new QGridLayout(frame);
  grid->setHorizontalSpacing(6);
  grid->setColumnStretch(3, 1);
  frmKwant[index] = frame;
  return frame;
}

QToolButton* KwantForm::MakeArrow(Qt::ArrowType arrow, bool big, const char* tip,
                                  const char* name, int index) {
  auto* button = new QToolButton(this);
  button->setObjectName(Name(name, index));
  const int h = std::max(11, (QFontMetrics(font()).height() + 9) / 2);
  if (big) {
    const QSize glyphs(h + h / 2, h - 2);
    button->setIcon(DoubleArrowIcon(arrow, glyphs, this));
    button->setIconSize(glyphs);
    button->setFixedSize(h * 2, h);
  } else {
    button->setArrowType(arrow);
    button->setFixedSize(h + h / 2, h);
  }
  button->setToolTip(QString::fromLatin1(tip));
  button->setAccessibleName(QString::fromLatin1(tip));
  button->setFocusPolicy(Qt::NoFocus);
  return button;
}

void KwantForm::AddBoxRow(QGroupBox* frame, int row, int index, const char* caption,
                          const StepTips* tips) {
  auto* grid = static_cast<QGridLayout*>(frame->layout());
  auto* label = new QLabel(QString::fromLatin1(caption), frame);
  label->setObjectName(Name("lblKwant", index));
  lblKwant[index] = label;

  auto* box = new KwantEdit(frame);
  box->setObjectName(Name("txtKwant", index));
  box->setAlignment(Qt::AlignRight);
  box->setFixedWidth(QFontMetrics(box->font()).horizontalAdvance("-00000.000") + 12);
  label->setBuddy(box);
  box->onKeyPress = [this, index](QKeyEvent* e) { return txtKwant_KeyPress(index, e); };
  box->onFocusLost = [this, index](Qt::FocusReason reason) {
    // Only a move of the focus inside the window counts, not the window losing activation.
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
      txtKwant_LostFocus(index);
  };
  // User edits and the key rule's rewrites; the program's own writes block this signal.
  connect(box, &QLineEdit::textChanged, this, [this, index] { txtKwant_Change(index); });
  txtKwant[index] = box;

  grid->addWidget(label, row, kLabelColumn);
  grid->addWidget(box, row, kBoxColumn);
  if (!tips) return;
  auto* steps = new QWidget(frame);
  auto* stepGrid = new QGridLayout(steps);
  stepGrid->setContentsMargins(0, 0, 0, 0);
  stepGrid->setSpacing(1);
  cmndPlus[index] = MakeArrow(Qt::UpArrow, false, tips->plus, "cmndPlus", index);
  cmndMinus[index] = MakeArrow(Qt::DownArrow, false, tips->minus, "cmndMinus", index);
  cmndPlusBig[index] = MakeArrow(Qt::UpArrow, true, tips->plusBig, "cmndPlusBig", index);
  cmndMinusBig[index] = MakeArrow(Qt::DownArrow, true, tips->minusBig, "cmndMinusBig", index);
  stepGrid->addWidget(cmndPlus[index], 0, 0);
  stepGrid->addWidget(cmndMinus[index], 1, 0);
  stepGrid->addWidget(cmndPlusBig[index], 0, 1);
  stepGrid->addWidget(cmndMinusBig[index], 1, 1);
  connect(cmndPlus[index], &QToolButton::clicked, this, [this, index] { cmndPlus_Click(index); });
  connect(cmndMinus[index], &QToolButton::clicked, this,
          [this, index] { cmndMinus_Click(index); });
  connect(cmndPlusBig[index], &QToolButton::clicked, this,
          [this, index] { cmndPlusBig_Click(index); });
  connect(cmndMinusBig[index], &QToolButton::clicked, this,
          [this, index] { cmndMinusBig_Click(index); });
  grid->addWidget(steps, row, kStepColumn);
}

void KwantForm::AddLockPair(QGroupBox* frame, int pair, const char* first, const char* second) {
  auto* grid = static_cast<QGridLayout*>(frame->layout());
  auto* lock = new QLabel("Lock:", frame);
  lock->setObjectName(Name("Label1_", pair));
  Label1[pair] = lock;
  auto* group = new QButtonGroup(frame);
  auto* options = new QWidget(frame);
  auto* row = new QHBoxLayout(options);
  row->setContentsMargins(0, 0, 0, 0);
  row->addWidget(lock);
  for (int k = 0; k < 2; ++k) {
    const int option = 2 * pair + k;
    auto* button = new QRadioButton(QString::fromLatin1(k == 0 ? first : second), options);
    button->setObjectName(Name("OptLock", option));
    group->addButton(button, option);
    row->addWidget(button);
    connect(button, &QRadioButton::clicked, this, [this, option] { OptLock_Click(option); });
    OptLock[option] = button;
  }
  grid->addWidget(options, 0, kLockColumn);
}

QWidget* KwantForm::MakeCommandRow(const char* third) {
  auto* row = new QWidget(this);
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  chkJoule = new QCheckBox("Joules", row);
  chkJoule->setObjectName("chkJoule");
  connect(chkJoule, &QCheckBox::clicked, this, [this] { chkJoule_Click(); });
  layout->addWidget(chkJoule);
  layout->addStretch(1);
  const char* captions[3] = {"Exit", "Info", third};
  for (int i = 0; i < 3; ++i) {
    auto* button = new QPushButton(QString::fromLatin1(captions[i]), row);
    button->setObjectName(Name("Command3D1_", i));
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, [this, i] { Command3D1_Click(i); });
    layout->addWidget(button);
    Command3D1[i] = button;
  }
  return row;
}

void KwantForm::ChainTabOrder(int count) {
  for (int i = 1; i < count; ++i) setTabOrder(txtKwant[i - 1], txtKwant[i]);
}

void KwantForm::AlignLabels(const char* longest) {
  int width = QFontMetrics(font()).horizontalAdvance(QString::fromLatin1(longest)) + 4;
  for (QLabel* label : lblKwant)
    if (label && label->buddy()) width = std::max(width, label->sizeHint().width());
  for (QLabel* label : lblKwant)
    if (label && label->buddy()) label->setMinimumWidth(width);
  // The lock options of all frames in two even columns.
  for (int k = 0; k < 2; ++k) {
    int optionWidth = 0;
    for (int pair = 0; pair < 3; ++pair)
      if (OptLock[2 * pair + k])
        optionWidth = std::max(optionWidth, OptLock[2 * pair + k]->sizeHint().width());
    for (int pair = 0; pair < 3; ++pair)
      if (OptLock[2 * pair + k]) OptLock[2 * pair + k]->setMinimumWidth(optionWidth);
  }
}
