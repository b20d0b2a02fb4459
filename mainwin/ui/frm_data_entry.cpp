#include "mainwin/ui/frm_data_entry.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTimer>

#include <algorithm>
#include <cmath>

#include "drawlib/ui/forms.h"
#include "drawlib/ui/numeric_key_filter.h"
#include "mainwin/kavo_form.h"
#include "mainwin/ui/kavo_widgets.h"
#include "platform/beep.h"
#include "platform/ui/qt_color.h"
#include "platform/ui/qt_text.h"
#include "platform/ui/screen_fit.h"

namespace {

// The main window as the dialog's owner.
class KavoFormOwner : public DataEntryOwner {
 public:
  explicit KavoFormOwner(KavoForm& form) : form_(form) {}
  int16_t ParScrnMax() override { return form_.ParScrnMax(); }
  void RedisplayPars() override { form_.RedisplayPars(); }
  void HelpShowTopic(int32_t id) override { form_.HelpShowTopic(id); }
  void ControlHelpPopup(int32_t contextId) override { form_.ControlHelpPopup(contextId); }

 private:
  KavoForm& form_;
};

constexpr int kBrightRed = 12;  // of the 16-colour palette
constexpr const char* kButtonCaptions[4] = {"&OK", "&Cancel", "&Help", "&Apply"};

int16_t ShiftState(Qt::KeyboardModifiers m) {
  return static_cast<int16_t>((m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) |
                              (m & Qt::AltModifier ? 4 : 0));
}

// The multiplicity lists are narrow: a slim arrow leaves their texts room.
class NarrowListStyle : public QProxyStyle {
 public:
  static NarrowListStyle* Instance() {
    static NarrowListStyle* style = new NarrowListStyle;  // shared by every list, never freed
    return style;
  }

  QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                       SubControl part, const QWidget* widget) const override {
    const QRect whole = option->rect;
    if (control == CC_ComboBox && part == SC_ComboBoxArrow)
      return {whole.right() - kArrowWidth + 1, whole.top(), kArrowWidth, whole.height()};
    if (control == CC_ComboBox && part == SC_ComboBoxEditField)
      return whole.adjusted(3, 2, -kArrowWidth, -2);
    return QProxyStyle::subControlRect(control, option, part, widget);
  }

 private:
  static constexpr int kArrowWidth = 12;
};

void MakeRed(QWidget* w) {
  QPalette palette = w->palette();
  palette.setColor(QPalette::WindowText, ToQColor(PaletteColor(kBrightRed)));
  palette.setColor(QPalette::Text, ToQColor(PaletteColor(kBrightRed)));
  w->setPalette(palette);
}

}  // namespace

std::string RunParameterDialog(KavoForm& form, QWidget* parent) {
  KavoFormOwner owner(form);
  frmDataEntry dialog(owner, parent);
  return dialog.RunModal();
}

frmDataEntry::frmDataEntry(DataEntryOwner& owner, QWidget* parent)
    : TagDialog(parent),
      form_(owner),
      twipsPerPixel_(TwipsPerPixel(parent ? parent : this)),
      scroll_(new QScrollArea(this)),
      content_(new QWidget) {
  scroll_->setFrameShape(QFrame::NoFrame);
  scroll_->setFocusPolicy(Qt::NoFocus);
  content_->setObjectName("frmDataEntryCells");
  SetBeepHandler(&QApplication::beep);
  setObjectName("frmDataEntry");
  setWindowTitle("Parameters");
  setFont(QFont("Arial", 8));
  form_.Form_Load();
  const ParameterDialogLayout& layout = form_.Layout();
  BuildMatrixFrames();
  for (int16_t p = 0; p < kSimParCount; ++p) {
    const ParCellLayout& cell = layout.cells[static_cast<size_t>(p)];
    if (cell.placed) BuildCell(p, cell);
  }
  BuildEditBoxAndButtons();
  FitOnScreen(QSize(Px(layout.width - kDialogFrameWidth), Px(layout.height - kDialogFrameHeight)));
  CenterForm(this);
  form_.SetView(this);
  if (form_.CurPar() >= 0) EditBoxMoved(false);
}

void frmDataEntry::FitOnScreen(QSize cells) {
  content_->setFixedSize(cells);
  scroll_->setWidget(content_);
  // On a screen with less room than the cells need the window takes what there is, and the
  // cells scroll (with a bar beside or below them).
  const QRect area = AvailableAreaOf(parentWidget() ? parentWidget() : this);
  const QMargins frame = FrameMarginsOf(this);
  const int roomWidth = area.width() - frame.left() - frame.right();
  const int roomHeight = area.height() - frame.top() - frame.bottom();
  const bool tall = cells.height() > roomHeight;
  const bool wide = cells.width() + (tall ? scroll_->verticalScrollBar()->sizeHint().width() : 0) >
                    roomWidth;
  QSize size = cells;
  if (tall) size.rwidth() += scroll_->verticalScrollBar()->sizeHint().width();
  if (wide) size.rheight() += scroll_->horizontalScrollBar()->sizeHint().height();
  size = size.boundedTo(QSize(roomWidth, roomHeight));
  scroll_->setVerticalScrollBarPolicy(size.height() < cells.height() ? Qt::ScrollBarAlwaysOn
                                                                     : Qt::ScrollBarAlwaysOff);
  scroll_->setHorizontalScrollBarPolicy(wide ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
  scroll_->setGeometry(QRect(QPoint(0, 0), size));
  setFixedSize(size);
}

int frmDataEntry::Px(int32_t twips) const {
  return static_cast<int>(std::lround(twips / twipsPerPixel_));
}

QRect frmDataEntry::PxRect(const TwipsRect& r) const {
  return {Px(r.left), Px(r.top), std::max(1, Px(r.width)), std::max(1, Px(r.height))};
}

void frmDataEntry::BuildMatrixFrames() {
  const ParameterDialogLayout& layout = form_.Layout();
  if (!layout.matrix) return;
  for (const TwipsRect& r : {layout.matrixHeader, layout.matrixBody}) {
    auto* shape = new QFrame(content_);
    shape->setFrameShape(QFrame::Box);
    shape->setGeometry(PxRect(r));
  }
  for (const DialogText& t : layout.texts) {
    auto* label = new QLabel(ToQString(t.text), content_);
    label->setTextFormat(Qt::PlainText);
    label->move(Px(t.left), Px(t.top));
    label->adjustSize();
  }
}

void frmDataEntry::BuildCell(int16_t p, const ParCellLayout& cell) {
  const size_t i = static_cast<size_t>(p);
  const SimParRec& par = gSimPar[i];
  if (!cell.inMatrix) {
    auto* shape = new QFrame(content_);
    shape->setFrameShape(QFrame::Box);
    shape->setGeometry(PxRect(cell.frame));
    Shape3_[i] = shape;
    auto* name = new ClickLabel(ToQString(par.Name), content_);
    name->setTextFormat(Qt::PlainText);
    name->setToolTip(ToQString(par.Tip));
    name->setGeometry(PxRect(cell.name));
    FitLabelFont(name);
    name->installEventFilter(this);
    connect(name, &ClickLabel::clicked, this, [this, p] { form_.ParName_Click(p); });
    ParName_[i] = name;
  }
  auto* check = new QCheckBox(content_);
  check->setGeometry(PxRect(cell.check));
  check->setFocusPolicy(Qt::NoFocus);  // not a tab stop
  check->setChecked(form_.Checked(p));
  check->installEventFilter(this);
  connect(check, &QCheckBox::clicked, this, [this, p](bool on) { form_.check1_Click(p, on); });
  check1_[i] = check;
  if (cell.multiplicity) {
    auto* list = new QComboBox(content_);
    list->setStyle(NarrowListStyle::Instance());
    for (const char* item : kMultiplicityNames) list->addItem(item);
    list->setCurrentIndex(cell.listIndex);
    list->setGeometry(PxRect(cell.value));
    list->setFocusPolicy(Qt::ClickFocus);  // not a tab stop
    list->installEventFilter(this);
    connect(list, &QComboBox::activated, this,
            [this, p](int index) { form_.Combo1_Click(p, static_cast<int16_t>(index)); });
    Combo1_[i] = list;
  } else {
    auto* value = new ClickLabel(ToQString(cell.valueText), content_);
    value->setTextFormat(Qt::PlainText);
    value->setGeometry(PxRect(cell.value));
    value->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    connect(value, &ClickLabel::clicked, this, [this, p] { form_.ParVal_Click(p); });
    ParVal_[i] = value;
  }
  if (cell.red) {
    MakeRed(check);
    if (ParVal_[i]) MakeRed(ParVal_[i]);
  }
}

void frmDataEntry::BuildEditBoxAndButtons() {
  txtCurrPV_ = new QLineEdit(content_);
  txtCurrPV_->setContextMenuPolicy(Qt::NoContextMenu);  // the right button shows help
  txtCurrPV_->installEventFilter(this);
  connect(txtCurrPV_, &QLineEdit::textEdited, this,
          [this](const QString& text) { form_.txtCurrPV_UserText(FromQString(text)); });
  const ParameterDialogLayout& layout = form_.Layout();
  for (int16_t k = 0; k < 4; ++k) {
    auto* button = new QPushButton(kButtonCaptions[k], content_);
    button->setAutoDefault(false);
    button->setGeometry(PxRect(layout.buttons[static_cast<size_t>(k)]));
    button->installEventFilter(this);
    connect(button, &QPushButton::clicked, this, [this, k] { form_.Command3D1_Click(k); });
    Command3D1_[static_cast<size_t>(k)] = button;
  }
}

void frmDataEntry::CheckChanged(int16_t i) {
  if (QCheckBox* box = check1(i)) {
    const QSignalBlocker block(box);
    box->setChecked(form_.Checked(i));
  }
}

void frmDataEntry::ValueTextChanged(int16_t i) {
  if (QLabel* label = ParVal(i)) label->setText(ToQString(form_.ValueText(i)));
}

void frmDataEntry::EditBoxMoved(bool focus) {
  const int16_t p = form_.CurPar();
  QLabel* value = p >= 0 ? ParVal(p) : nullptr;
  if (!value || !txtCurrPV_) return;
  const QSignalBlocker block(txtCurrPV_);
  txtCurrPV_->setGeometry(value->geometry());
  txtCurrPV_->setText(ToQString(form_.EditText()));
  txtCurrPV_->selectAll();
  txtCurrPV_->raise();
  scroll_->ensureWidgetVisible(txtCurrPV_);
  if (focus) txtCurrPV_->setFocus(Qt::OtherFocusReason);
}

void frmDataEntry::SelectAllEditText() {
  // After the focus event, so that a click into the box does not undo the selection.
  QTimer::singleShot(0, txtCurrPV_, [box = txtCurrPV_] { box->selectAll(); });
}

void frmDataEntry::HideDialog() {
  SetTag(form_.Tag());
  TagDialog::HideDialog();
}

void frmDataEntry::FrameClose() {
  int16_t cancel = 0;
  form_.Form_QueryUnload(cancel, 0);
}

void frmDataEntry::EscapePressed() { form_.EscapePressed(); }

void frmDataEntry::showEvent(QShowEvent* event) {
  TagDialog::showEvent(event);
  if (txtCurrPV_ && form_.CurPar() >= 0) txtCurrPV_->setFocus(Qt::OtherFocusReason);
}

void frmDataEntry::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::RightButton) form_.Form_MouseUp(2);
  TagDialog::mouseReleaseEvent(event);
}

void frmDataEntry::EditBoxKey(QKeyEvent* key, bool& consumed) {
  const int16_t code = KeyAsciiOf(key);
  if (code == 0) return;
  const int16_t out = form_.txtCurrPV_KeyPress(code);
  const QString text = ToQString(form_.EditText());
  if (txtCurrPV_->text() != text) txtCurrPV_->setText(text);
  consumed = out == 0;
  if (form_.TakeFocusNextRequest()) focusNextChild();
}

// The window sees every key before its controls: Shift state, Tab and Shift+Tab.
bool frmDataEntry::KeyPress(QObject* watched, QKeyEvent* key) {
  const bool backTab = key->key() == Qt::Key_Backtab;
  form_.Form_KeyDown(static_cast<int16_t>(key->key() & 0x7FFF),
                     backTab ? int16_t{1} : ShiftState(key->modifiers()));
  if (key->key() == Qt::Key_Tab || backTab) {
    form_.Form_KeyPress(9);
    return true;
  }
  bool consumed = false;
  if (watched == txtCurrPV_) EditBoxKey(key, consumed);
  return consumed;
}

bool frmDataEntry::RightButtonUp(QObject* watched) {
  if (watched == txtCurrPV_) {
    form_.txtCurrPV_MouseUp(2);
    return true;
  }
  for (int16_t k = 0; k < 4; ++k)
    if (watched == Command3D1_[static_cast<size_t>(k)]) return form_.Command3D1_MouseUp(k, 2);
  for (int16_t i = 0; i < kSimParCount; ++i) {
    if (watched == check1_[static_cast<size_t>(i)]) {
      form_.check1_MouseUp(i, 2);
      return true;
    }
    if (watched == ParName_[static_cast<size_t>(i)]) {
      form_.ParName_MouseUp(i, 2);
      return true;
    }
  }
  return false;
}

bool frmDataEntry::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress:
      if (KeyPress(watched, static_cast<QKeyEvent*>(event))) return true;
      break;
    case QEvent::KeyRelease: {
      auto* key = static_cast<QKeyEvent*>(event);
      form_.Form_KeyUp(static_cast<int16_t>(key->key() & 0x7FFF), ShiftState(key->modifiers()));
      break;
    }
    case QEvent::FocusIn:
      if (watched == txtCurrPV_) form_.txtCurrPV_GotFocus();
      break;
    case QEvent::MouseButtonRelease:
      if (static_cast<QMouseEvent*>(event)->button() == Qt::RightButton && RightButtonUp(watched))
        return true;  // the control's help, not the window's as well
      break;
    default:
      break;
  }
  return TagDialog::eventFilter(watched, event);
}
