#include "groups/ui/frm_sim_edit.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <QTableView>
#include <QTimer>

#include <algorithm>
#include <cmath>

#include "drawlib/ui/forms.h"
#include "groups/ui/group_grid_model.h"
#include "platform/ui/qt_text.h"
#include "platform/ui/screen_fit.h"

namespace {

constexpr int kFormWidth = 12300, kFormHeight = 8565;
constexpr int kRowTop = 5640, kRowStep = 480, kButtonHeight = 375, kGap = 60;
constexpr int kGridHeight = 5400, kGridMinHeight = 2000;
// The buttons' widest row (the clipboard row, 6180 twips) ends at the window's right margin;
// the item list takes the room to its left, wide enough for titles of some 40 characters.
constexpr int kRightLeft = kFormWidth - 120 - 6180;

// Enter in the edit box: swallowed on key press, handled on release.
class EnterFilter : public QObject {
 public:
  explicit EnterFilter(SimEditor& editor, std::function<void()> after, QObject* parent)
      : QObject(parent), editor_(editor), after_(std::move(after)) {}
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
      return QObject::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) return false;
    if (event->type() == QEvent::KeyPress) {
      editor_.txtGridEdit_KeyPress(13);
    } else {
      editor_.txtGridEdit_KeyUp(13);
      after_();
    }
    return true;
  }

 private:
  SimEditor& editor_;
  std::function<void()> after_;
};

}  // namespace

frmSimEdit::frmSimEdit(QWidget* parent)
    : TagDialog(parent), twipsPerPixel_(TwipsPerPixel(parent ? parent : this)) {
  setWindowTitle(ToQString(editor_.Caption()));
  // On a screen shorter than the window the grid (which scrolls) gives up height, so that every
  // control below it stays on the screen.
  const QMargins frame = FrameMarginsOf(this);
  const int screenHeight = AvailableAreaOf(parent ? parent : this).height();
  const int room =
      static_cast<int>((screenHeight - frame.top() - frame.bottom()) * twipsPerPixel_);
  const int shrink = std::clamp(kFormHeight - room, 0, kGridHeight - kGridMinHeight);
  const int rowTop = kRowTop - shrink, formHeight = kFormHeight - shrink;
  setFixedSize(Twips(0, 0, kFormWidth, formHeight).size());

  grid_ = new QTableView(this);
  grid_->setGeometry(Twips(120, 120, kFormWidth - 240, kGridHeight - shrink));
  model_ = new GroupGridModel(editor_.Grid1(), grid_);
  grid_->setModel(model_);
  grid_->horizontalHeader()->hide();
  grid_->verticalHeader()->hide();
  grid_->verticalHeader()->setDefaultSectionSize(grid_->fontMetrics().height() + 8);
  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid_->setSelectionMode(QAbstractItemView::SingleSelection);
  grid_->setSelectionBehavior(QAbstractItemView::SelectItems);
  grid_->setWordWrap(false);
  grid_->setObjectName("Grid1");

  list_ = new QListWidget(this);
  list_->setGeometry(Twips(120, rowTop, kRightLeft - 240, formHeight - rowTop - 120));
  list_->setObjectName("lstIniItems");
  // Titles are shown whole: a longer one scrolls sideways and stands in its tooltip.
  list_->setTextElideMode(Qt::ElideNone);
  list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (refreshing_ || row < 0) return;
    editor_.lstIniItems_Click(static_cast<int16_t>(row));
    AfterAction();
  });

  edit_ = AddBox(kRightLeft, rowTop, kFormWidth - kRightLeft - 120, "");
  edit_->setObjectName("txtGridEdit");
  connect(edit_, &QLineEdit::textEdited, this, [this](const QString& text) {
    editor_.txtGridEdit_Change(FromQString(text));
    AfterAction();
  });
  edit_->installEventFilter(new EnterFilter(editor_, [this] { AfterAction(); }, this));

  int x = kRightLeft, y = rowTop + kRowStep;
  auto next = [&x](int width) {
    const int left = x;
    x += width + kGap;
    return left;
  };
  AddButton("cmdSave", "Save Sim File", "", next(1500), y, 1500, &SimEditor::cmdSave_Click);
  AddButton("cmdSaveAs", "Save Sim File As...", "", next(2000), y, 2000,
            &SimEditor::cmdSaveAs_Click);
  AddButton("cmdSimExit", "Exit", "", next(900), y, 900, &SimEditor::cmdSimExit_Click);
  AddButton("cmdHelp", "Help", "", next(900), y, 900, &SimEditor::cmdHelp_Click);

  x = kRightLeft;
  y += kRowStep;
  AddButton("cmdClone", "Clone Item", "Create a  duplicate of the currently selected simulation",
            next(1300), y, 1300, &SimEditor::cmdClone_Click);
  AddButton("cmdDelete", "Delete Item", "Delete the currently selected simulation", next(1300),
            y, 1300, &SimEditor::cmdDelete_Click);
  QPushButton* up = AddButton("cmdMoveupdn1", QString::fromUtf8("\u25B2"),
                              "Move selected simulation up", next(480), y, 480, nullptr);
  connect(up, &QPushButton::clicked, this, [this] {
    editor_.cmdMoveupdn_Click(1);
    AfterAction();
  });
  QPushButton* down = AddButton("cmdMoveupdn0", QString::fromUtf8("\u25BC"),
                                "Move selected simulation down", next(480), y, 480, nullptr);
  connect(down, &QPushButton::clicked, this, [this] {
    editor_.cmdMoveupdn_Click(0);
    AfterAction();
  });
  AddButton("cmdRenumber", "Renumber list", "", next(1500), y, 1500,
            &SimEditor::cmdRenumber_Click);

  // The commands that make the items alike, then the clipboard tables, then the box size and
  // the stacked plot.
  x = kRightLeft;
  y += kRowStep;
  AddButton("cmdMakeParSame", "Make Param Same",
            "Make all of the parameters in the current row the same as the selected item",
            next(1900), y, 1900, &SimEditor::cmdMakeParSame_Click);
  AddButton("cmdMakeViewParSame", "Make Par Box Same",
            "Show the same parameter panels for all of the simulations the same as for the "
            "current simulation.",
            next(2000), y, 2000, &SimEditor::cmdMakeViewParSame_Click);
  AddButton("cmdMake_k_vs_T", "Make k vs T(K) ",
            "Copy a comma-deliminated list of:  k, Temp(K) <enter>  to clipboard for actication "
            "energy calc",
            next(1700), y, 1700, &SimEditor::cmdMake_k_vs_T_Click);

  x = kRightLeft;
  y += kRowStep;
  AddButton("cmdCopy", "Copy", "Copy grid data to clipboard for pasting into spreadsheet",
            next(900), y, 900, &SimEditor::cmdCopy_Click);
  AddButton("cmdPaste", "Paste", "Paste data from spreadsheet into VIREO simulation grid",
            next(900), y, 900, &SimEditor::cmdPaste_Click);
  const char* tableTip =
      "Put a tab-delimited table of all of the data in the clipboard (for pating into ZEF or "
      "spreadsheet)";
  QPushButton* data = AddButton("cmdClipboard0", "CopyData Clipboard", tableTip, next(2100), y,
                                2100, nullptr);
  connect(data, &QPushButton::clicked, this, [this] {
    editor_.cmdClipboard_Click(0);
    AfterAction();
  });
  QPushButton* rates = AddButton("cmdClipboard1", "CopyRatesClipboard", tableTip, next(2100), y,
                                 2100, nullptr);
  connect(rates, &QPushButton::clicked, this, [this] {
    editor_.cmdClipboard_Click(1);
    AfterAction();
  });

  x = kRightLeft;
  y += kRowStep;
  AddButton("cmdMakeBoxSame", "Set Box  (Wd, Ht):",
            "Click this to make all spectra frames equal to the width and height shown at right "
            "of button",
            next(2000), y, 2000, &SimEditor::cmdMakeBoxSame_Click);
  boxWidth_ = AddBox(next(800), y, 800, "Spectrum box width (mm)");
  boxWidth_->setObjectName("txtBoxWidth");
  boxHeight_ = AddBox(next(800), y, 800, "Spectrum box height (mm)");
  boxHeight_->setObjectName("txtBoxHeight");
  connect(boxWidth_, &QLineEdit::textEdited, this,
          [this](const QString& t) { editor_.txtBoxWidth = FromQString(t); });
  connect(boxHeight_, &QLineEdit::textEdited, this,
          [this](const QString& t) { editor_.txtBoxHeight = FromQString(t); });
  AddButton("cmdZefStacked", "StackPlot Clipboard",
            "Make a stacked plot of all ZEF drawings and place in the clipboard (for pasting "
            "into ZEF only)",
            next(2100), y, 2100, &SimEditor::cmdZefStacked_Click);

  connect(grid_->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& current, const QModelIndex&) {
            if (refreshing_ || !current.isValid()) return;
            editor_.Grid1().SetRow(current.row());
            editor_.Grid1().SetCol(current.column());
            editor_.Grid1_CellChanged();
            AfterAction();
          });
}

frmSimEdit::~frmSimEdit() = default;

QRect frmSimEdit::Twips(int left, int top, int width, int height) const {
  auto px = [this](int twips) { return static_cast<int>(std::lround(twips / twipsPerPixel_)); };
  return QRect(px(left), px(top), px(width), px(height));
}

QPushButton* frmSimEdit::AddButton(const char* name, const QString& caption, const char* tip,
                                   int left, int top, int width,
                                   void (SimEditor::*handler)()) {
  auto* button = new QPushButton(caption, this);
  button->setObjectName(name);
  button->setGeometry(Twips(left, top, width, kButtonHeight));
  button->setAutoDefault(false);
  if (*tip) button->setToolTip(ToQString(tip));
  if (handler) connect(button, &QPushButton::clicked, this, [this, handler] { Run(handler); });
  buttons_[name] = button;
  return button;
}

QLineEdit* frmSimEdit::AddBox(int left, int top, int width, const char* tip) {
  auto* box = new QLineEdit(this);
  box->setGeometry(Twips(left, top, width, kButtonHeight));
  if (*tip) box->setToolTip(ToQString(tip));
  return box;
}

QPushButton* frmSimEdit::Button(const std::string& name) const {
  auto it = buttons_.find(name);
  return it == buttons_.end() ? nullptr : it->second;
}

void frmSimEdit::SetGroupPath(const std::string& path) {
  SetTag(path);
  editor_.SetTag(path);
}

void frmSimEdit::Run(void (SimEditor::*handler)()) {
  (editor_.*handler)();
  AfterAction();
}

void frmSimEdit::AfterAction() {
  SetTag(editor_.Tag());
  Refresh();
  if (!editor_.Visible() && isVisible()) HideDialog();
}

void frmSimEdit::Refresh() {
  refreshing_ = true;
  setWindowTitle(ToQString(editor_.Caption()));
  GroupGrid& g = editor_.Grid1();
  model_->Refresh();
  for (int c = 0; c < g.Cols(); ++c)
    grid_->setColumnWidth(c, static_cast<int>(std::lround(g.ColWidth(c) / twipsPerPixel_)));
  grid_->setCurrentIndex(model_->index(g.Row(), g.Col()));
  {
    const QSignalBlocker block(list_);
    list_->clear();
    for (const std::string& entry : editor_.lstIniItems()) {
      list_->addItem(ToQString(entry));
      list_->item(list_->count() - 1)->setToolTip(ToQString(entry).trimmed());
    }
    list_->setCurrentRow(editor_.ListIndex());
  }
  if (FromQString(edit_->text()) != editor_.txtGridEdit())
    edit_->setText(ToQString(editor_.txtGridEdit()));
  boxWidth_->setText(ToQString(editor_.txtBoxWidth));
  boxHeight_->setText(ToQString(editor_.txtBoxHeight));
  const EditorButtons& b = editor_.Buttons();
  Button("cmdMakeParSame")->setEnabled(b.MakeParSame);
  Button("cmdMakeViewParSame")->setEnabled(b.MakeViewParSame);
  Button("cmdCopy")->setEnabled(b.Copy);
  Button("cmdPaste")->setEnabled(b.Paste);
  Button("cmdMake_k_vs_T")->setEnabled(b.Make_k_vs_T);
  Button("cmdClipboard0")->setEnabled(b.CopyData);
  Button("cmdClipboard1")->setEnabled(b.CopyRates);
  refreshing_ = false;
}

void frmSimEdit::showEvent(QShowEvent* event) {
  TagDialog::showEvent(event);
  editor_.Form_Activate();
  Refresh();
  // A group that cannot be shown closes the window once it is up.
  if (!editor_.Visible()) QTimer::singleShot(0, this, [this] { HideDialog(); });
}

void frmSimEdit::FrameClose() { Run(&SimEditor::cmdSimExit_Click); }

void frmSimEdit::EscapePressed() { Run(&SimEditor::cmdSimExit_Click); }

std::string RunSimEditor(QWidget* parent, const std::string& groupPath,
                         const std::string& helpFolder) {
  frmSimEdit editor(parent);
  editor.editor().SetHelpFolder(helpFolder);
  editor.SetGroupPath(groupPath);
  return editor.RunModal();
}
