// The group editor window and the restore-options dialog on the offscreen platform: the grid
// view over the editor, user actions reaching the handlers, Esc and the frame close, and no
// clipped control.
#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableView>
#include <QTest>
#include <gmock/gmock.h>

#include <cstdlib>

#include "groups/ui/frm_restore_opt.h"
#include "groups/ui/frm_sim_edit.h"
#include "platform/ui/screen_fit.h"
#include "tests/groups/editor_fixture.h"

namespace {

void ExpectNothingClipped(QWidget& dialog) {
  for (QWidget* w : dialog.findChildren<QWidget*>()) {
    if (!w->isVisibleTo(&dialog) || w->parentWidget() != &dialog) continue;
    EXPECT_TRUE(dialog.rect().contains(w->geometry())) << w->objectName().toStdString();
    if (auto* button = qobject_cast<QPushButton*>(w)) {
      // The caption with the frame's margins.
      EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()) + 12, button->width())
          << button->text().toStdString();
      EXPECT_LE(button->fontMetrics().height() + 4, button->height());
    }
    if (auto* radio = qobject_cast<QRadioButton*>(w)) {
      EXPECT_LE(radio->sizeHint().width(), radio->width()) << radio->text().toStdString();
    }
    if (auto* box = qobject_cast<QLineEdit*>(w)) {
      EXPECT_LE(box->minimumSizeHint().height(), box->height());
    }
  }
}

void Screenshot(QWidget& dialog, const char* name) {
  if (const char* dir = std::getenv("KAVO_SCREENSHOT_DIR"))
    dialog.grab().save(QString("%1/%2.png").arg(dir, name));
}

class FrmSimEditTest : public EditorTest {
 protected:
  void ShowOn(const std::string& path) {
    window.SetGroupPath(path);
    window.show();
    QApplication::processEvents();
  }
  frmSimEdit window;
};

TEST_F(FrmSimEditTest, TheGridShowsTheItemsAndACellChoiceReachesTheEditBox) {
  WriteGroup({{0, 2}, {1, 2}});
  ShowOn(Path());
  QTableView* grid = window.Grid1();
  EXPECT_TRUE(grid->horizontalHeader()->isHidden());
  EXPECT_TRUE(grid->verticalHeader()->isHidden());
  EXPECT_EQ(grid->model()->columnCount(), 26);
  EXPECT_EQ(grid->model()->rowCount(), 13);
  EXPECT_FALSE(grid->model()->flags(grid->model()->index(2, 1)) & Qt::ItemIsEditable);
  EXPECT_EQ(window.windowTitle().toStdString(), "Simulation Group Editor [" + Path() + "]");
  EXPECT_EQ(window.lstIniItems()->count(), 25);
  grid->setCurrentIndex(grid->model()->index(2, 2));
  EXPECT_EQ(window.txtGridEdit()->text(), "Item1");
  QTest::keyClicks(window.txtGridEdit(), "x");
  EXPECT_EQ(window.lstIniItems()->item(1)->text(), " 2. Item1x");
  QTest::keyClick(window.txtGridEdit(), Qt::Key_Return);
  EXPECT_EQ(grid->currentIndex().column(), 3);
  ExpectNothingClipped(window);
  Screenshot(window, "frmSimEdit_26_columns");
}

TEST_F(FrmSimEditTest, EscapeActsAsExitAndAMixedGroupShowsTwoColumns) {
  WriteGroup({{0, 2}, {1, 15}});
  ShowOn(Path());
  EXPECT_EQ(window.Grid1()->model()->columnCount(), 2);
  EXPECT_FALSE(window.Button("cmdCopy")->isEnabled());
  EXPECT_TRUE(window.Button("cmdClipboard0")->isEnabled());
  EXPECT_TRUE(window.Button("cmdClipboard1")->isEnabled());
  Screenshot(window, "frmSimEdit_2_columns");
  window.Grid1()->setCurrentIndex(window.Grid1()->model()->index(2, 1));
  QTest::keyClicks(window.txtGridEdit(), "y");
  boxes.Answer(vbCancel);
  QTest::keyClick(&window, Qt::Key_Escape);
  EXPECT_TRUE(window.isVisible());
  boxes.Answer(vbNo);
  window.close();
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(window.Tag(), Path());
}

// Titles as chemists write them stand whole in the item list of a mixed group; a longer one is
// not cut either: it scrolls sideways and stands whole in its tooltip.
TEST_F(FrmSimEditTest, TheItemListShowsTitlesWhole) {
  struct Title {
    int16_t type;
    const char* text;
  };
  const Title titles[] = {{2, "AB quartet"},
                          {9, "ABX one"},
                          {16, "Exchange coalescence"},
                          {16, "Exchange coalescence of the AB pair, 320 K"}};
  for (int16_t i = 0; i < 4; ++i) {
    SimItem item = AbItem(titles[i].text);
    item.Type = std::to_string(titles[i].type);
    ASSERT_TRUE(SimItemSave(item, i, Path(), i == 0));
  }
  ShowOn(Path());
  QListWidget* list = window.lstIniItems();
  ASSERT_EQ(window.Grid1()->model()->columnCount(), 2);  // a mixed group
  for (int i = 0; i < 4; ++i) {
    const QString entry = list->item(i)->text();
    EXPECT_LE(list->fontMetrics().horizontalAdvance(entry), list->viewport()->width())
        << entry.toStdString();
    EXPECT_EQ(list->item(i)->toolTip(), entry.trimmed());
  }
  // Nothing needs sideways scrolling: every entry's own width fits the list.
  EXPECT_EQ(list->horizontalScrollBar()->maximum(), 0);
  Screenshot(window, "frmSimEdit_titles");

  // A title of the full 64 characters: reachable by scrolling, never elided.
  SimItem item = AbItem(std::string(64, 'W'));
  ASSERT_TRUE(SimItemSave(item, 4, Path(), false));
  window.hide();
  ShowOn(Path());
  EXPECT_EQ(list->textElideMode(), Qt::ElideNone);
  EXPECT_GT(list->horizontalScrollBar()->maximum(), 0);
  EXPECT_EQ(list->item(4)->toolTip().toStdString(), "5. " + std::string(64, 'W'));
}

// Run also on a 1920 x 1080 screen at scale factors 1, 1.5 and 2: at 2 the screen is shorter
// than the window's design, and the grid gives up height so that the window with its frame
// stays on the screen with every control.
TEST_F(FrmSimEditTest, TheWindowFitsOnTheScreen) {
  WriteGroup({{0, 2}, {1, 15}});
  ShowOn(Path());
  const QMargins frame = FrameMarginsOf(&window);
  EXPECT_LE(window.height() + frame.top() + frame.bottom(), AvailableAreaOf(&window).height());
  // Across, the window needs a screen of 840 logical pixels (1920 at 200 %).
  if (AvailableAreaOf(&window).width() >= 840) {
    EXPECT_LE(window.width() + frame.left() + frame.right(), AvailableAreaOf(&window).width());
  }
  ExpectNothingClipped(window);
  EXPECT_GT(window.Grid1()->height(), 5 * window.Grid1()->verticalHeader()->defaultSectionSize());
}

TEST_F(FrmSimEditTest, AGroupThatCannotBeShownClosesTheWindow) {
  ShowOn(folder.File("missing.sim"));
  QApplication::processEvents();
  EXPECT_FALSE(window.isVisible());
}

TEST(FrmRestoreOptTest, AnswersThroughItsTag) {
  struct Case {
    int option;  // -1: none clicked
    int button;  // -1: Esc, -2: frame close
    const char* tag;
  };
  const Case cases[] = {{-1, 0, "Both"},    {1, 1, "Neither"}, {2, 0, "Sim"},
                        {1, 0, "Spec"},     {2, -1, "Neither"}, {0, -2, "Neither"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.tag);
    frmRestoreOpt dialog;
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Restore Options");
    if (c.option >= 0) QTest::mouseClick(dialog.OptRestore(c.option), Qt::LeftButton);
    if (c.button >= 0) QTest::mouseClick(dialog.cmdRestore(c.button), Qt::LeftButton);
    else if (c.button == -1) QTest::keyClick(&dialog, Qt::Key_Escape);
    else dialog.close();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.Tag(), c.tag);
  }
  frmRestoreOpt dialog;
  dialog.show();
  ExpectNothingClipped(dialog);
  Screenshot(dialog, "frmRestoreOpt");
}

}  // namespace
