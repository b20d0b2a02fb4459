#include "mainwin/ui/frm_kavo.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QCursor>
#include <QDateTime>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cmath>

#include "drawlib/util/clipboard_text.h"
#include "drawlib/ui/forms.h"
#include "drawlib/ui/numeric_key_filter.h"
#include "engine/engine_globals.h"
#include "mainwin/design_layout.h"
#include "mainwin/group_commands.h"
#include "mainwin/ui/frm_data_entry.h"
#include "mainwin/ui/kavo_widgets.h"
#include "mainwin/ui/scrolling_column.h"
#include "mainwin/ui/toolbar_pictures.h"
#include "platform/help_viewer.h"
#include "platform/ui/clipboard_read.h"
#include "platform/ui/qt_color.h"
#include "platform/ui/qt_text.h"
#include "platform/ui/screen_fit.h"

namespace {

bool IsMenu(Ctl id) { return id >= Ctl::mnuFile; }

bool IsFrame(Ctl id) {
  switch (id) {
    case Ctl::fraCalcType: case Ctl::fraPattern: case Ctl::fraIncrement: case Ctl::fraPar:
    case Ctl::fraError: case Ctl::fraUpDown: case Ctl::fraDiff:
      return true;
    default:
      return false;
  }
}

// Menu items that carry check marks.
bool IsCheckable(Ctl id, int index) {
  switch (id) {
    case Ctl::mnuPref: return index != 2 && index != 4;
    case Ctl::mnuPrefPoint: case Ctl::mnuNoise: case Ctl::mnuABXTree: case Ctl::mnuGroupList:
    case Ctl::mnuS: case Ctl::mnuR:
      return true;
    default:
      return false;
  }
}

}  // namespace

frmKavo::frmKavo(QWidget* parent)
    : QMainWindow(parent),
      surface_(new FormSurface(this)),
      column_(std::make_unique<ScrollingColumn>(surface_)),
      pictureClip_(new QWidget(surface_)),
      picture_(new PictureWidget(pictureClip_)),
      pictureOutput_(*picture_),
      form_(*this, *picture_) {
  setObjectName("frmKavo");
  // The window's controls are designed for Arial at 8 points.
  setFont(QFont("Arial", 8));
  setCentralWidget(surface_);
  surface_->setFocusPolicy(Qt::ClickFocus);
  BuildMenus();
  FormControls& controls = form_.Controls();
  for (const Key& key : controls.Keys()) {
    if (!IsMenu(key.first) && key.first != Ctl::picKavo) CreateControl(key.first, key.second);
  }
  for (const Key& key : controls.Keys()) ApplyAll(key.first, key.second);
  controls.SetView(this);
  PlacePicture();

  connect(picture_, &PictureWidget::repaintNeeded, this, [this] { form_.picKavo_Paint(); });
  picture_->setMouseTracking(true);
  connect(picture_, &PictureWidget::mouseMove, this, [this](int b, int s, float x, float y) {
    form_.picKavo_MouseMove(static_cast<int16_t>(b), static_cast<int16_t>(s), x, y);
  });
  connect(picture_, &PictureWidget::mouseUp, this, [this](int b, int s, float x, float y) {
    form_.picKavo_MouseUp(static_cast<int16_t>(b), static_cast<int16_t>(s), x, y);
  });
  timer1_.setInterval(10);
  connect(&timer1_, &QTimer::timeout, this, [this] { form_.Timer1_Timer(); });
  timer1_.start();
  auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
  connect(f1, &QShortcut::activated, this, [this] { form_.Form_KeyUp(112, 0); });
}

frmKavo::~frmKavo() { form_.Controls().SetView(nullptr); }

int frmKavo::Px(float twips) const {
  return static_cast<int>(std::lround(twips / TwipsPerPixel(this)));
}

QWidget* frmKavo::ControlWidget(Ctl id, int index) const {
  if (id == Ctl::picKavo) return picture_;
  auto it = widgets_.find({id, index});
  return it == widgets_.end() ? nullptr : it->second;
}

QAction* frmKavo::MenuAction(Ctl id, int index) const {
  auto it = actions_.find({id, index});
  return it == actions_.end() ? nullptr : it->second;
}

QMenu* frmKavo::Menu(Ctl id, int index) const {
  auto it = menus_.find({id, index});
  return it == menus_.end() ? nullptr : it->second;
}

QWidget* frmKavo::ContainerWidget(Ctl id, int index) const {
  const Ctl container = ContainerOf(id);
  if (container == kOnForm) return InLeftColumn(id) ? column_->Content() : surface_;
  if (container == Ctl::picKavo) return picture_;
  QWidget* w = ControlWidget(container, container == Ctl::fraPar ? index : 0);
  return w ? w : surface_;
}

QWidget* frmKavo::CreateControl(Ctl id, int index) {
  if (QWidget* existing = ControlWidget(id, index)) return existing;
  if (id == Ctl::Image2) return nullptr;  // hidden pictures only
  QWidget* parent = ContainerWidget(id, index);
  QWidget* w = nullptr;
  if (IsFrame(id)) {
    w = new QGroupBox(parent);
  } else {
    switch (id) {
      case Ctl::optGroup: case Ctl::optType: {
        auto* radio = new QRadioButton(parent);
        radio->setAutoExclusive(false);
        w = radio;
        break;
      }
      case Ctl::ParName: case Ctl::lblInc: case Ctl::lblFreq: case Ctl::lblTimeDate: {
        auto* label = new ClickLabel(parent);
        label->setTextFormat(Qt::PlainText);
        w = label;
        break;
      }
      case Ctl::ParVal: case Ctl::txtInc: w = new QLineEdit(parent); break;
      case Ctl::cmbPar: w = new QComboBox(parent); break;
      case Ctl::ParSpin: w = new SpinButton(parent); break;
      case Ctl::lstError: w = new QListWidget(parent); break;
      case Ctl::scrhDisplay: w = new QScrollBar(Qt::Horizontal, parent); break;
      case Ctl::Image1:
        w = new DragHandle(index == 2 || index == 5 ? DragHandle::Kind::Horizontal
                                                    : DragHandle::Kind::Vertical,
                           parent);
        break;
      case Ctl::grp1: w = new DragHandle(DragHandle::Kind::Grip, parent); break;
      default: {
        auto* button = new QPushButton(parent);
        button->setCheckable(id == Ctl::grpInc || id == Ctl::btnDiffTogg);
        button->setAutoDefault(false);
        w = button;
        break;
      }
    }
  }
  w->setObjectName(QString("ctl%1_%2").arg(static_cast<int>(id)).arg(index));
  widgets_[{id, index}] = w;
  widgetKeys_[w] = {id, index};
  w->installEventFilter(this);
  if (auto* list = qobject_cast<QListWidget*>(w)) {
    // The list's clicks reach its viewport.
    widgetKeys_[list->viewport()] = {id, index};
    list->viewport()->installEventFilter(this);
  }
  Connect(id, index, w);
  if (id == Ctl::grp1) w->raise();
  return w;
}

void frmKavo::Connect(Ctl id, int index, QWidget* w) {
  const int16_t i = static_cast<int16_t>(index);
  KavoForm& f = form_;
  if (auto* radio = qobject_cast<QRadioButton*>(w)) {
    connect(radio, &QRadioButton::clicked, this, [this, id, i, radio] {
      if (id == Ctl::optGroup) form_.optGroup_UserClick(i);
      else form_.optType_UserClick(i);
      const QSignalBlocker block(radio);
      radio->setChecked(form_.Controls().Get(id, i).Value);
    });
    return;
  }
  if (auto* label = qobject_cast<ClickLabel*>(w)) {
    if (id == Ctl::ParName) connect(label, &ClickLabel::clicked, this, [&f, i] { f.ParName_Click(i); });
    if (id == Ctl::lblInc) connect(label, &ClickLabel::clicked, this, [&f, i] { f.lblInc_Click(i); });
    return;
  }
  if (auto* box = qobject_cast<QLineEdit*>(w)) {
    connect(box, &QLineEdit::textEdited, this, [&f, id, i](const QString& text) {
      if (id == Ctl::ParVal) {
        f.ParVal_UserText(i, FromQString(text));
      } else {
        f.Controls().SetCaption(Ctl::txtInc, 0, FromQString(text));
        f.txtInc_Change();
      }
    });
    return;
  }
  if (auto* combo = qobject_cast<QComboBox*>(w)) {
    connect(combo, &QComboBox::activated, this,
            [&f, i](int listIndex) { f.cmbPar_UserChoice(i, static_cast<int16_t>(listIndex)); });
    return;
  }
  if (auto* handle = qobject_cast<DragHandle*>(w)) {
    using Phase = void (KavoForm::*)(int16_t, int16_t, int16_t, float, float);
    auto route = [this, id, i](Phase call, int16_t gripPhase) {
      return [this, id, i, call, gripPhase](int b, int s, float x, float y) {
        if (id == Ctl::grp1) form_.PicKavoDragCorner(x, y, gripPhase);
        else (form_.*call)(i, static_cast<int16_t>(b), static_cast<int16_t>(s), x, y);
      };
    };
    connect(handle, &DragHandle::mouseDown, this, route(&KavoForm::Image1_MouseDown, 2));
    connect(handle, &DragHandle::mouseMove, this, route(&KavoForm::Image1_MouseMove, 4));
    connect(handle, &DragHandle::mouseUp, this, route(&KavoForm::Image1_MouseUp, 5));
    return;
  }
  if (auto* bar = qobject_cast<QScrollBar*>(w)) {
    connect(bar, &QScrollBar::valueChanged, this, [&f](int value) { f.scrhDisplay_Change(value); });
    return;
  }
  if (auto* spin = qobject_cast<SpinButton*>(w)) {
    connect(spin, &SpinButton::up, this, [&f, i] { f.ParSpin_Up(i); });
    connect(spin, &SpinButton::down, this, [&f, i] { f.ParSpin_Down(i); });
    return;
  }
  auto* button = qobject_cast<QPushButton*>(w);
  if (!button) return;
  connect(button, &QPushButton::clicked, this, [this, id, i, button] {
    switch (id) {
      case Ctl::CmndPlus: form_.CmndPlus_Click(i); break;
      case Ctl::CmndNeg: form_.CmndNeg_Click(i); break;
      case Ctl::CmndSign: form_.CmndSign_Click(i); break;
      case Ctl::cmdFreqEnter: form_.cmdFreqEnter_Click(i); break;
      case Ctl::grpInc: form_.grpInc_UserClick(i); break;
      case Ctl::btnDiffTogg: form_.btnDiffTogg_Click(button->isChecked()); break;
      case Ctl::CmndQuit: form_.CmndQuit_Click(); break;
      case Ctl::cmdNextPrevSim:
        if (GroupCommands* groups = RegisteredGroupCommands()) groups->GroupCommand(id, i);
        break;
      case Ctl::CmndUpDn:
        // Shift held at the click also scales the simulation with the spectrum.
        form_.CmndUpDn_KeyDown(i, 0, static_cast<int16_t>(RuntimeShiftCode(
                                          QApplication::keyboardModifiers())));
        form_.CmndUpDn_Click(i);
        break;
      default: break;
    }
    if (button->isCheckable()) {
      const QSignalBlocker block(button);
      button->setChecked(form_.Controls().Get(id, i).Value);
    }
  });
}

void frmKavo::ApplyAll(Ctl id, int index) {
  for (Prop p : {Prop::Geometry, Prop::Caption, Prop::ToolTip, Prop::BackColor, Prop::Items,
                 Prop::ListIndex, Prop::Value, Prop::Enabled, Prop::Picture, Prop::Scroll,
                 Prop::Visible})
    ControlChanged(id, index, p);
}

void frmKavo::ControlChanged(Ctl id, int index, Prop what) {
  if (IsMenu(id)) {
    if (QAction* action = MenuAction(id, index)) ApplyToAction(action, id, index, what);
    return;
  }
  if (id == Ctl::picKavo || id == Ctl::fraIncrement) {
    if (what == Prop::Geometry) PlacePicture();
    if (id == Ctl::picKavo) return;
  }
  if (InLeftColumn(id) && (what == Prop::Geometry || what == Prop::Visible)) PlaceColumn();
  QWidget* w = ControlWidget(id, index);
  if (!w) {
    w = CreateControl(id, index);
    if (!w) return;
    ApplyAll(id, index);
    return;
  }
  ApplyToWidget(w, id, index, what);
}

void frmKavo::ApplyToWidget(QWidget* w, Ctl id, int index, Prop what) {
  const Control& c = form_.Controls().Get(id, index);
  const QSignalBlocker block(w);
  switch (what) {
    case Prop::Geometry:
      w->setGeometry(Px(c.Left), Px(c.Top), std::max(1, Px(c.Width)), std::max(1, Px(c.Height)));
      break;
    case Prop::Caption: {
      const QString text = ToQString(c.Caption);
      if (auto* box = qobject_cast<QGroupBox*>(w)) box->setTitle(text);
      else if (auto* label = qobject_cast<QLabel*>(w)) label->setText(text);
      else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        if (edit->text() != text) edit->setText(text);
      } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        if (c.Picture < 0) button->setText(text);
      }
      break;
    }
    case Prop::Visible: w->setVisible(c.Visible); break;
    case Prop::Enabled: w->setEnabled(c.Enabled); break;
    case Prop::Value:
      if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        if (button->isCheckable()) button->setChecked(c.Value);
      }
      break;
    case Prop::BackColor:
      if (id == Ctl::ParName) {
        QPalette palette = w->palette();
        palette.setColor(QPalette::Window, ToQColor(c.BackColor));
        w->setPalette(palette);
        w->setAutoFillBackground(true);
      }
      break;
    case Prop::ToolTip: w->setToolTip(ToQString(c.ToolTip)); break;
    case Prop::ListIndex:
      if (auto* combo = qobject_cast<QComboBox*>(w)) combo->setCurrentIndex(c.ListIndex);
      break;
    case Prop::Items:
      if (auto* combo = qobject_cast<QComboBox*>(w)) {
        combo->clear();
        for (const std::string& item : c.Items) combo->addItem(ToQString(item));
        combo->setCurrentIndex(c.ListIndex);
      } else if (auto* list = qobject_cast<QListWidget*>(w)) {
        list->clear();
        for (const std::string& item : c.Items) list->addItem(ToQString(item));
      }
      break;
    case Prop::Scroll:
      if (auto* bar = qobject_cast<QScrollBar*>(w)) {
        bar->setRange(c.Min, c.Max);
        bar->setSingleStep(c.SmallChange);
        bar->setPageStep(c.LargeChange);
        bar->setValue(c.ScrollValue);
      }
      break;
    case Prop::Picture:
      if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        if (id == Ctl::CmndUpDn) {
          const ToolbarPictureRec picture = ToolbarPicture(index, c.Picture, c.Caption);
          button->setIcon(picture.icon);
          button->setText(picture.text);
        }
      }
      break;
    case Prop::HelpContextID: case Prop::Tag: break;
  }
}

void frmKavo::ApplyToAction(QAction* action, Ctl id, int index, Prop what) {
  const Control& c = form_.Controls().Get(id, index);
  switch (what) {
    case Prop::Caption:
      if (c.Caption != "-") action->setText(ToQString(c.Caption));
      break;
    case Prop::Visible: action->setVisible(c.Visible); break;
    case Prop::Enabled: action->setEnabled(c.Enabled); break;
    case Prop::Value:
      if (IsCheckable(id, index)) {
        action->setCheckable(true);
        const QSignalBlocker block(action);
        action->setChecked(c.Value);
      }
      break;
    default: break;
  }
}

void frmKavo::PlacePicture() {
  FormControls& controls = form_.Controls();
  const Control pic = controls.Get(Ctl::picKavo);
  const Control inc = controls.Get(Ctl::fraIncrement);
  // The picture scrolls behind a clip that starts at the increment frame's left edge.
  const int clipLeft = Px(inc.Left);
  pictureClip_->setGeometry(clipLeft, Px(pic.Top), std::max(1, surface_->width() - clipLeft),
                            std::max(1, Px(pic.Height)));
  picture_->setGeometry(Px(pic.Left) - clipLeft, 0, std::max(1, Px(pic.Width)),
                        std::max(1, Px(pic.Height)));
  if (QWidget* grip = ControlWidget(Ctl::grp1, 0)) grip->raise();
  PlaceColumn();
}

void frmKavo::PlaceColumn() {
  FormControls& controls = form_.Controls();
  float right = 0, bottom = 0;
  for (const Key& key : controls.Keys()) {
    if (!InLeftColumn(key.first)) continue;
    const Control& c = controls.Get(key.first, key.second);
    if (!c.Visible) continue;
    right = std::max(right, c.Left + c.Width);
    bottom = std::max(bottom, c.Top + c.Height);
  }
  const Control pic = controls.Get(Ctl::picKavo);
  const Control inc = controls.Get(Ctl::fraIncrement);
  // The column's margin below its last control as at its top.
  const float top = controls.Get(Ctl::fraCalcType).Top;
  const int width = Px(right + top);
  // The bar stands between the column and the increment frame, down to the picture's bottom
  // (the frequency labels below the picture keep their place), or to the window's bottom when
  // the picture reaches below it: its arrows stay within reach.
  const int barBottom = std::min(Px(pic.Top + pic.Height), surface_->height());
  column_->Place(QRect(0, 0, width, surface_->height()), Px(bottom + top),
                 QRect(Px(right), Px(top), Px(inc.Left) - 1 - Px(right), barBottom - Px(top)));
}

void frmKavo::EnsureControlVisible(QWidget* control) { column_->EnsureVisible(control); }

void frmKavo::BuildMenus() {
  FormControls& controls = form_.Controls();
  for (const MenuItemDesign& item : MenuDesign()) {
    const Key key{item.id, item.index};
    const QString caption = ToQString(controls.Get(item.id, item.index).Caption);
    const bool topLevel = item.parent == kOnForm;
    if (topLevel || item.submenu) {
      auto* menu = new QMenu(caption, this);
      menus_[key] = menu;
      if (topLevel && item.id != Ctl::mnuPopRtDrag) menuBar()->addMenu(menu);
      if (item.id == Ctl::mnuPrefrences)
        connect(menu, &QMenu::aboutToShow, this, [this] { form_.mnuPrefrences_Click(); });
      if (!topLevel) Menu(item.parent, item.parentIndex)->addMenu(menu);
      actions_[key] = menu->menuAction();
      continue;
    }
    QMenu* parent = Menu(item.parent, item.parentIndex);
    if (item.separatorBefore) parent->addSeparator();
    QAction* action = controls.Get(item.id, item.index).Caption == "-"
                          ? parent->addSeparator()
                          : parent->addAction(caption);
    if (*item.shortcut) action->setShortcut(QKeySequence(QString::fromLatin1(item.shortcut)));
    const Ctl id = item.id;
    const int index = item.index;
    connect(action, &QAction::triggered, this, [this, id, index] { MenuTriggered(id, index); });
    actions_[key] = action;
  }
}

void frmKavo::MenuTriggered(Ctl id, int index) {
  const int16_t i = static_cast<int16_t>(index);
  switch (id) {
    case Ctl::mnuExit: form_.mnuExit_Click(); break;
    case Ctl::mnuReset: form_.mnuReset_Click(); break;
    case Ctl::mnuHelpTopic: form_.mnuHelpTopic_Click(index); break;
    case Ctl::mnuPref: form_.mnuPref_Click(i); break;
    case Ctl::mnuPrefPoint: form_.mnuPrefPoint_Click(i); break;
    case Ctl::mnuABXTree: form_.mnuABXTree_Click(); break;
    case Ctl::mnuNoise: form_.mnuNoise_Click(i); break;
    case Ctl::mnuPar: form_.mnuPar_Click(); break;
    case Ctl::mnuPopRt: form_.mnuPopRt_Click(i); break;
    case Ctl::mnuPrintPreview: form_.mnuPrintPreview_Click(); break;
    case Ctl::mnuPrintSpec: form_.mnuPrintSpec_Click(); break;
    case Ctl::mnuImportPeakPick: form_.mnuImportPeakPick_Click(); break;
    case Ctl::mnuFileLoad: form_.mnuFileLoad_Click(); break;
    case Ctl::mnufList: form_.mnufList_Click(i); break;
    case Ctl::mnuImportZEF: form_.mnuImportZEF_Click(); break;
    case Ctl::mnuCancelSim: form_.mnuCancelSim_Click(); break;
    case Ctl::mnuClipBrd: form_.mnuClipBrd_Click(); break;
    case Ctl::mnuExportData: form_.mnuExportData_Click(); break;
    case Ctl::mnuExportImage: form_.mnuExportImage_Click(); break;
    case Ctl::mnuExportWMFC: form_.mnuExportWMFC_Click(i); break;
    case Ctl::mnuExportWMFD: form_.mnuExportWMFD_Click(i); break;
    case Ctl::mnuExportGIFD: form_.mnuExportGIFD_Click(i); break;
    case Ctl::mnuExportBMPD: form_.mnuExportBMPD_Click(i); break;
    case Ctl::mnuExportEPSD: form_.mnuExportEPSD_Click(i); break;
    default:
      // The group menus belong to the groups subsystem.
      if (GroupCommands* groups = RegisteredGroupCommands()) groups->GroupCommand(id, i);
      break;
  }
  // A triggered checkable action toggles itself: show the model's mark again.
  if (QAction* action = MenuAction(id, index)) ApplyToAction(action, id, index, Prop::Value);
}

void frmKavo::ParValKey(int16_t row, QObject* watched, QEvent* event, bool& consumed) {
  auto* key = static_cast<QKeyEvent*>(event);
  const int16_t code = KeyAsciiOf(key);
  if (code == 0) return;
  const int16_t out = form_.ParVal_KeyPress(row, code);
  consumed = out == 0;
  if (form_.TakeFocusNextRequest()) {
    // As a Tab key would: the next control in the tab order gets the focus.
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    QCoreApplication::sendEvent(watched, &tab);
  }
}

bool frmKavo::eventFilter(QObject* watched, QEvent* event) {
  auto it = widgetKeys_.find(watched);
  if (it == widgetKeys_.end()) return QMainWindow::eventFilter(watched, event);
  const Ctl id = it->second.first;
  const int16_t index = static_cast<int16_t>(it->second.second);
  switch (event->type()) {
    case QEvent::ContextMenu:
      return true;  // a right click shows the control's help, never an edit menu
    case QEvent::MouseButtonRelease:
      // The drag handles and the corner grip report their own releases (Image1_MouseUp shows
      // the handles' help). A control with help keeps its release from its frame, whose help
      // would follow; one without lets the frame answer.
      if (static_cast<QMouseEvent*>(event)->button() == Qt::RightButton && id != Ctl::Image1 &&
          id != Ctl::grp1 && form_.ControlHelpContext(id, index) > 0) {
        if (id == Ctl::optType) form_.optType_MouseUp(index, 2);
        else form_.ControlMouseUp(id, index, 2);
        return true;
      }
      break;
    case QEvent::KeyPress:
      if (id == Ctl::ParVal) {
        bool consumed = false;
        ParValKey(index, watched, event, consumed);
        if (consumed) return true;
      }
      break;
    case QEvent::FocusIn:
      if (auto* w = qobject_cast<QWidget*>(watched)) column_->EnsureVisible(w);
      if (id == Ctl::ParVal) {
        form_.ParVal_GotFocus(index);
        if (gEditFocus == index) {
          auto* box = static_cast<QLineEdit*>(watched);
          QTimer::singleShot(0, box, [box] { box->selectAll(); });
        }
      } else if (id == Ctl::txtInc) {
        form_.txtInc_GotFocus();
      }
      break;
    case QEvent::FocusOut:
      if (id == Ctl::ParVal) form_.ParVal_LostFocus(index);
      break;
    default:
      break;
  }
  return QMainWindow::eventFilter(watched, event);
}

float frmKavo::ScreenWidthTwips() {
  QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
  return s ? static_cast<float>(s->geometry().width() * TwipsPerPixel(this)) : 9600.0f;
}

float frmKavo::ScreenHeightTwips() {
  QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
  return s ? static_cast<float>(s->geometry().height() * TwipsPerPixel(this)) : 7200.0f;
}

float frmKavo::TwipsPerPixelX() { return static_cast<float>(TwipsPerPixel(this)); }
float frmKavo::TwipsPerPixelY() { return static_cast<float>(TwipsPerPixel(this)); }

void frmKavo::MoveForm(float left, float top, float width, float height) {
  // From the corner of the screen's available area; the window with its frame stays on it.
  const QRect area = AvailableAreaOf(this);
  move(area.left() + Px(left), area.top() + Px(top));
  resize(Px(width), Px(height));
  KeepOnScreen(this);
}

float frmKavo::ScaleWidth() { return static_cast<float>(width() * TwipsPerPixel(this)); }

float frmKavo::ScaleHeight() {
  const int menu = menuBar()->isVisible() ? menuBar()->height() : menuBar()->sizeHint().height();
  return static_cast<float>((height() - menu) * TwipsPerPixel(this));
}

bool frmKavo::Minimized() { return isMinimized(); }

void frmKavo::ShowForm() {
  show();
  // No control takes the focus at start: entering the increment box would make its value the
  // current row's increment.
  surface_->setFocus(Qt::OtherFocusReason);
}

void frmKavo::SetFormCaption(const std::string& caption) { setWindowTitle(ToQString(caption)); }

void frmKavo::FormCls() { surface_->Clear(); }

void frmKavo::FormPrint(float x, float y, uint32_t color, const std::string& text) {
  surface_->AddText(QPoint(Px(x), Px(y)), ToQColor(color), ToQString(text));
}

float frmKavo::FormTextWidth(const std::string& text) {
  return static_cast<float>(surface_->TextWidth(ToQString(text))) * TwipsPerPixel(this);
}

void frmKavo::PopupMenu(Ctl menu) {
  if (QMenu* m = Menu(menu)) m->exec(QCursor::pos());
}

void frmKavo::CloseForm() { close(); }

void frmKavo::UnloadAll() {
  Help().Quit();
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w != this && w->isVisible()) w->close();
  if (!closing_) {
    closing_ = true;
    close();
  }
}

void frmKavo::closeEvent(QCloseEvent* event) {
  if (closing_) {
    event->accept();
    return;
  }
  closing_ = true;
  int16_t cancel = 0;
  form_.Form_QueryUnload(cancel, 0);
  form_.Form_Unload(cancel);
  event->accept();
}

void frmKavo::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  PlacePicture();
  form_.Form_Resize();
}

void frmKavo::SetClipboardText(const std::string& text) { ClipboardSetText(text); }

void frmKavo::SetTimerInterval(int32_t milliseconds) { timer1_.setInterval(milliseconds); }

std::string frmKavo::DateTimeText() {
  const QDateTime now = QDateTime::currentDateTime();
  const QLocale locale;
  return FromQString(locale.toString(now.date(), QLocale::ShortFormat) + "  " +
                     locale.toString(now.time(), QLocale::ShortFormat));
}

double frmKavo::MonotonicSeconds() {
  using namespace std::chrono;
  return duration<double>(steady_clock::now().time_since_epoch()).count();
}

void frmKavo::CursorPosTwips(float& x, float& y) {
  const QPoint p = surface_->mapFromGlobal(QCursor::pos());
  x = static_cast<float>(p.x() * TwipsPerPixel(this));
  y = static_cast<float>(p.y() * TwipsPerPixel(this));
}

void frmKavo::SetScreenPointer(int16_t code) {
  if (code == MainWindowServices::kPointerHourglass) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else {
    while (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
  }
}

void frmKavo::SetPicturePointer(int16_t code) { picture_->SetMousePointer(code); }

std::string frmKavo::ClipboardText() { return ClipboardTextCrLf(); }

std::string frmKavo::ShowParameterDialog() { return RunParameterDialog(form_, this); }
