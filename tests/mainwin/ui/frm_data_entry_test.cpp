// The parameter dialog on the offscreen platform: its widgets stand where the layout puts them
// and show their texts whole; Help opens topic 82 in a viewer that stays usable while the dialog
// blocks the main window; Tab, Shift+Tab, Esc, the frame close and right-click help.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

#include "drawlib/ui/forms.h"
#include "mainwin/kavo_form.h"
#include "mainwin/quiet_host.h"
#include "mainwin/ui/frm_data_entry.h"
#include "platform/recording_picture_box.h"
#include "platform/ui/qt_help_viewer.h"
#include "platform/ui/screen_fit.h"
#include "tests/mainwin/current_type_fixture.h"
#include "tests/mainwin/recording_help_viewer.h"

namespace {

// Counts the mouse presses that reach a widget.
class PressCounter : public QObject {
 public:
  int presses = 0;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::MouseButtonPress) ++presses;
    return false;
  }
};

class FrmDataEntryTest : public CurrentTypeTest {
 protected:
  void SetUp() override {
    CurrentTypeTest::SetUp();
    owner.show();
  }
  void TearDown() override {
    SetHelpViewer(nullptr);
    CurrentTypeTest::TearDown();
  }
  // Runs the dialog over the main window's place; `during` runs once it is up.
  std::string Run(std::function<void(frmDataEntry&)> during) {
    QTimer::singleShot(0, [this, during] {
      for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* dialog = dynamic_cast<frmDataEntry*>(w); dialog && dialog->isVisible()) during(*dialog);
    });
    return RunParameterDialog(form, &owner);
  }
  static void ClickThroughWindow(QWidget* w, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseClick(w->window()->windowHandle(), button, {},
                      w->mapTo(w->window(), w->rect().center()));
  }

  QWidget owner;
  QuietHost host;
  RecordingPictureBox picture{9000, 3000};
  KavoForm form{host, picture};
};

// Owner of a dialog built without running it.
class NoOwner : public DataEntryOwner {
  int16_t ParScrnMax() override { return 13; }
  void RedisplayPars() override {}
  void HelpShowTopic(int32_t) override {}
  void ControlHelpPopup(int32_t) override {}
};

TEST_F(FrmDataEntryTest, WidgetsStandWhereTheLayoutPutsThemAndShowTheirTextsWhole) {
  // Every type: the spin types 3 to 7 and 9 lay their shifts and couplings as a matrix above
  // the grid, the others (the eight spins of type 34 as well) only the grid.
  for (int16_t type = 1; type < kSimTypeCount; ++type) {
    SCOPED_TRACE(type);
    gSimTypes[static_cast<size_t>(type)].LastPar = 0;
    SelectType(type);
    NoOwner none;
    frmDataEntry dialog(none, &owner);
    dialog.show();
    const double tpp = TwipsPerPixel(&owner);
    const auto px = [tpp](int32_t t) { return static_cast<int>(std::lround(t / tpp)); };
    const ParameterDialogLayout& l = dialog.form().Layout();
    EXPECT_EQ(dialog.width(), px(l.width - kDialogFrameWidth));
    EXPECT_EQ(dialog.height(), px(l.height - kDialogFrameHeight));
    EXPECT_EQ(dialog.windowTitle(), "Parameters");
    for (int p = 0; p <= gLastPar; ++p) {
      const ParCellLayout& cell = l.cells[static_cast<size_t>(p)];
      ASSERT_TRUE(cell.placed) << p;
      QWidget* value = cell.multiplicity ? static_cast<QWidget*>(dialog.Combo1(p)) : dialog.ParVal(p);
      ASSERT_NE(value, nullptr) << p;
      EXPECT_EQ(value->pos(), QPoint(px(cell.value.left), px(cell.value.top))) << p;
      EXPECT_EQ(dialog.check1(p)->pos(), QPoint(px(cell.check.left), px(cell.check.top))) << p;
      if (!cell.inMatrix) {
        auto* frame = qobject_cast<QFrame*>(dialog.Shape3(p));
        ASSERT_NE(frame, nullptr) << p;
        EXPECT_EQ(frame->geometry(), QRect(px(cell.frame.left), px(cell.frame.top),
                                           px(cell.frame.width), px(cell.frame.height)));
        // The name lies within its frame, clear of the border, and its text fits it whole.
        QLabel* name = dialog.ParName(p);
        ASSERT_NE(name, nullptr) << p;
        const QRect inside = frame->contentsRect().translated(frame->pos()).adjusted(0, 0, -1, 0);
        EXPECT_TRUE(inside.contains(name->geometry())) << name->text().toStdString();
        EXPECT_LE(name->fontMetrics().horizontalAdvance(name->text().trimmed()), name->width())
            << name->text().toStdString();
      }
    }
    // Nothing runs past the window or is cut short.
    for (QWidget* w : dialog.findChildren<QWidget*>()) {
      if (!w->isVisible() || w->parentWidget() != dialog.Cells()) continue;
      EXPECT_TRUE(dialog.Cells()->rect().contains(w->geometry())) << w->metaObject()->className();
      if (auto* label = qobject_cast<QLabel*>(w)) {
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text().trimmed()), label->width())
            << label->text().toStdString();
      }
      if (auto* button = qobject_cast<QPushButton*>(w)) {
        EXPECT_LE(button->sizeHint().width(), button->width());
      }
      if (auto* list = qobject_cast<QComboBox*>(w)) {
        EXPECT_LE(list->minimumSizeHint().height(), list->height());
        for (int k = 0; k < list->count(); ++k) {
          EXPECT_LE(list->fontMetrics().horizontalAdvance(list->itemText(k)), list->width() - 16)
              << list->itemText(k).toStdString();
        }
      }
    }
    // The button row stands apart, below every cell.
    for (int k = 0; k < 4; ++k) {
      const QRect button = dialog.Command3D1(k)->geometry();
      for (QWidget* w : dialog.findChildren<QWidget*>()) {
        if (!w->isVisible() || w->parentWidget() != dialog.Cells() || qobject_cast<QPushButton*>(w))
          continue;
        EXPECT_LT(w->geometry().bottom(), button.top())
            << w->metaObject()->className() << " at " << w->y() << " of height " << w->height();
      }
    }
    EXPECT_LE(dialog.txtCurrPV()->minimumSizeHint().height(), dialog.txtCurrPV()->height());
    if (const char* dir = std::getenv("KAVO_SCREENSHOT_DIR"))
      dialog.grab().save(QString("%1/parameters_type%2.png").arg(dir).arg(type));
  }
}

TEST_F(FrmDataEntryTest, HelpOpensTopic82InAViewerThatStaysUsable) {
  SelectType(9);
  QtHelpViewer viewer;
  SetHelpViewer(&viewer);
  QPushButton inOwner("owner", &owner);
  PressCounter ownerPresses, viewerPresses;
  inOwner.installEventFilter(&ownerPresses);
  bool helpShown = false;
  const std::string tag = Run([&](frmDataEntry& dialog) {
    ClickThroughWindow(dialog.Command3D1(2));
    QApplication::processEvents();
    for (QWidget* w : QApplication::topLevelWidgets()) {
      auto* help = qobject_cast<QTextBrowser*>(w);
      if (!help || !help->isVisible()) continue;
      helpShown = help->toPlainText().contains("82");
      help->viewport()->installEventFilter(&viewerPresses);
      ClickThroughWindow(help->viewport());
    }
    ClickThroughWindow(&inOwner);
    EXPECT_TRUE(dialog.isVisible());
    QTest::keyClick(dialog.txtCurrPV(), Qt::Key_Escape);
  });
  EXPECT_TRUE(helpShown);
  EXPECT_EQ(viewerPresses.presses, 1);
  EXPECT_EQ(ownerPresses.presses, 0);
  EXPECT_EQ(tag, "Cancel");
}

// Run also on a 1920 x 1080 screen at scale factors 1, 1.5 and 2: the fifteen singlets need
// more height than the screen has at 2; the window stays on the screen, its cells scroll, and
// the buttons can be brought into view and clicked.
TEST_F(FrmDataEntryTest, TheTallestDialogFitsOnTheScreenAndItsButtonsAnswer) {
  SelectType(13);
  bool fits = false, scrolled = false;
  const std::string tag = Run([&](frmDataEntry& dialog) {
    const QMargins frame = FrameMarginsOf(&dialog);
    const QRect area = AvailableAreaOf(&dialog);
    fits = dialog.height() + frame.top() + frame.bottom() <= area.height() &&
           dialog.width() + frame.left() + frame.right() <= area.width();
    QPushButton* ok = dialog.Command3D1(0);
    dialog.CellScroller()->ensureWidgetVisible(ok);
    const QPoint centre = ok->mapTo(&dialog, ok->rect().center());
    scrolled = dialog.rect().contains(centre) && dialog.childAt(centre) == ok;
    if (const char* dir = std::getenv("KAVO_SCREENSHOT_DIR"))
      dialog.grab().save(QString("%1/parameters_type13_scrolled.png").arg(dir));
    ClickThroughWindow(ok);
  });
  EXPECT_TRUE(fits);
  EXPECT_TRUE(scrolled);
  EXPECT_EQ(tag, "Cancel");  // OK without a change
}

TEST_F(FrmDataEntryTest, TabFrameCloseAndRightClickHelp) {
  SelectType(2);
  RecordingHelpViewer help;
  SetHelpViewer(&help);
  const std::string order = gSimTypes[2].Order;
  const int16_t first = static_cast<int16_t>(order[0] - '0');
  const int16_t second = static_cast<int16_t>(order[1] - '0');
  const float before = gSimPar[static_cast<size_t>(second)].Value;
  const std::string tag = Run([&](frmDataEntry& dialog) {
    QLineEdit* box = dialog.txtCurrPV();
    EXPECT_EQ(box->geometry(), dialog.ParVal(first)->geometry());
    EXPECT_EQ(dialog.focusWidget(), box);
    QTest::keyClick(box, Qt::Key_Tab);
    EXPECT_EQ(box->geometry(), dialog.ParVal(second)->geometry());
    EXPECT_EQ(box->text(), dialog.ParVal(second)->text());
    QTest::keyClick(box, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(box->geometry(), dialog.ParVal(first)->geometry());
    QTest::keyClick(box, Qt::Key_Tab);
    QTest::keyClicks(box, "42");
    EXPECT_EQ(box->text(), "42");
    ClickThroughWindow(box, Qt::RightButton);
    ClickThroughWindow(dialog.check1(first), Qt::RightButton);
    dialog.close();
  });
  EXPECT_EQ(tag, "OK");
  EXPECT_FLOAT_EQ(gSimPar[static_cast<size_t>(second)].Value, before);
  ASSERT_EQ(help.popups.size(), 2u);
  EXPECT_EQ(help.popups[0].id, 82);
  EXPECT_EQ(help.popups[1].id, 82);
}

}  // namespace
