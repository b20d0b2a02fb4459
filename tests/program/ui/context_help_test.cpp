// Context help of the whole simulator on the offscreen platform: every help context number the
// program uses has its topic page, every control that carries a number shows the popup of its
// own number when the right button is released over it in the real window or dialog (never an
// edit menu, never its frame's help as well), and the dialogs' Help buttons open their topics.
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <gmock/gmock.h>

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "documents/file_startup.h"
#include "documents/spec_record.h"
#include "engine/mainwin_services.h"
#include "groups/ui/frm_sim_edit.h"
#include "groups/ui/program_groups.h"
#include "mainwin/ui/frm_data_entry.h"
#include "mainwin/ui/frm_kavo.h"
#include "mainwin/ui/output_dialog_services.h"
#include "output/ui/frm_pref1.h"
#include "output/ui/zef1_export.h"
#include "output/ui/zef1_prev.h"
#include "platform/help_viewer.h"
#include "platform/paths.h"
#include "tests/groups/groups_fixture.h"
#include "tests/mainwin/recording_help_viewer.h"
#include "tests/support/process_state.h"

namespace {

namespace fs = std::filesystem;

// The numbers of the type buttons, by type code; types not listed have none (type 0, "Spectrum",
// has its button's own number).
const std::map<int, int32_t> kTypeButtonHelp = {
    {0, 120},   {2, 1390},  {8, 1560},  {9, 1570},  {10, 1910}, {11, 1900},
    {16, 2280}, {22, 2170}, {23, 2160}, {25, 2150}, {30, 2240}, {35, 2180},
    {36, 2250}, {37, 2290}, {38, 2310}, {41, 2330}, {42, 2310}, {43, 2320}};

// A control of the main window, its indexes and the number its right click shows.
struct MainControl {
  Ctl id;
  std::vector<int> indexes;
  int32_t help;
};

std::vector<int> Range(int first, int last) {
  std::vector<int> v;
  for (int i = first; i <= last; ++i) v.push_back(i);
  return v;
}

const std::vector<MainControl> kMainControls = {
    {Ctl::ParVal, Range(0, 13), 102},
    {Ctl::CmndPlus, Range(0, 13), 103},
    {Ctl::CmndNeg, Range(0, 13), 103},
    {Ctl::CmndSign, Range(0, 13), 104},
    {Ctl::fraPar, Range(0, 13), 105},
    {Ctl::fraIncrement, {0}, 100},
    {Ctl::txtInc, {0}, 100},
    {Ctl::grpInc, {0, 1, 3, 10, 30, 100, 300, 1000, 10000}, 100},
    {Ctl::CmndUpDn, {0, 1, 11, 12}, 106},
    {Ctl::CmndUpDn, {2, 3}, 107},
    {Ctl::CmndUpDn, {4, 5}, 108},
    {Ctl::CmndUpDn, {8}, 109},
    {Ctl::CmndUpDn, {6}, 110},
    {Ctl::CmndUpDn, {7, 9}, 111},
    {Ctl::CmndUpDn, {10}, 112},
    {Ctl::btnDiffTogg, {0}, 113},
    {Ctl::cmdFreqEnter, {0, 1}, 150},
    {Ctl::lblFreq, {0, 1}, 150},
    {Ctl::lstError, {0}, 160},
    {Ctl::Image1, {0, 1, 2, 3, 4}, 170},
    {Ctl::CmndQuit, {0}, 999},
    {Ctl::cmdNextPrevSim, {0, 1, 2}, 84},
};

// Numbers used by the menus and the dialogs' Help buttons (the controls' numbers come from the
// tables above and below).
const std::set<int32_t> kMenuAndButtonTopics = {70, 72, 74, 76, 78, 80, 82, 84, 520, 1920, 2210,
                                                5971};

// The page-design boxes of the layout dialog (index = toggle bit) and their numbers.
const std::map<int, int32_t> kPageDesignHelp = {{5, 202},  {3, 203},  {10, 205}, {0, 205},
                                                {2, 206},  {11, 208}, {1, 209},  {4, 209},
                                                {12, 209}, {13, 209}};
// The layout dialog's command buttons with numbers.
const std::map<int, int32_t> kLayoutCommandHelp = {{0, 220}, {1, 221}, {2, 222},
                                                   {3, 223}, {4, 224}, {7, 227}};

std::string SourceHelpFolder() { return KAVO_HELP_TOPICS; }

// A point of the widget that none of its children covers.
QPoint FreePoint(QWidget* w) {
  const QPoint centre = w->rect().center();
  if (!w->childAt(centre)) return centre;
  for (int y = 2; y < w->height() - 1; y += 2)
    for (int x = 2; x < w->width() - 1; x += 2)
      if (!w->childAt(x, y)) return {x, y};
  return centre;
}

// Every number that the program shows help for, collected from the tables.
std::set<int32_t> AllNumbers() {
  std::set<int32_t> all = kMenuAndButtonTopics;
  for (const auto& [type, id] : kTypeButtonHelp) all.insert(id);
  for (const MainControl& c : kMainControls) all.insert(c.help);
  for (const auto& [box, id] : kPageDesignHelp) all.insert(id);
  for (const auto& [button, id] : kLayoutCommandHelp) all.insert(id);
  all.insert({210, 230, 250});
  return all;
}

class ContextHelpTest : public GroupsTest {
 protected:
  void SetUp() override {
    GroupsTest::SetUp();
    SetProgramFolderForTests(folder.path());
    fs::copy_file(KAVO71_DAT_PATH, folder.File("KAVO71.dat"));
    SetHelpViewer(&help);
    window = std::make_unique<frmKavo>();
    groups = std::make_unique<ProgramGroups>(*window);
    outputDialogs = std::make_unique<OutputDialogServices>(*window);
    RegisterMainWindowServices(&window->form());
    DocumentServicesRegister();
    ASSERT_TRUE(window->form().Form_Load({}));
    // Room for every control whatever the scale (the offscreen screen is small).
    window->resize(1400, 1000);
    QApplication::processEvents();
    boxes.Clear();
  }
  void TearDown() override {
    outputDialogs.reset();
    groups.reset();
    window.reset();
    RegisterMainWindowServices(nullptr);
    SetHelpViewer(nullptr);
    GroupsTest::TearDown();
  }

  // Releases the right button over the widget as a user would: through its window, so that the
  // window finds the widget under the mouse. Returns the numbers of the popups shown; a menu
  // that pops up (an edit menu) is closed and reported as -1.
  std::vector<int32_t> RightClick(QWidget* w) {
    const size_t before = help.popups.size();
    QWidget* top = w->window();
    const QPoint at = w->mapTo(top, FreePoint(w));
    QTest::mouseClick(top->windowHandle(), Qt::RightButton, Qt::NoModifier, at);
    QApplication::processEvents();
    std::vector<int32_t> shown;
    for (size_t i = before; i < help.popups.size(); ++i) shown.push_back(help.popups[i].id);
    if (QWidget* menu = QApplication::activePopupWidget()) {
      shown.push_back(-1);
      menu->close();
    }
    return shown;
  }
  std::vector<int32_t> Expected(int32_t id) const {
    return id > 0 ? std::vector<int32_t>{id} : std::vector<int32_t>{};
  }
  int32_t LastTopic() const { return help.topics.empty() ? 0 : help.topics.back().id; }

  RecordingHelpViewer help;
  std::unique_ptr<frmKavo> window;
  std::unique_ptr<ProgramGroups> groups;
  std::unique_ptr<OutputDialogServices> outputDialogs;
};

// Runs the action on the modal dialog of the given type once it is up.
template <typename D>
void WhenUp(std::function<void(D*)> action) {
  QTimer::singleShot(0, [action] {
    auto* dialog = dynamic_cast<D*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    action(dialog);
  });
}

TEST_F(ContextHelpTest, EveryNumberHasItsTopicPage) {
  for (int32_t id : AllNumbers())
    EXPECT_TRUE(fs::is_regular_file(HelpTopicPath(SourceHelpFolder(), id))) << id;
}

TEST_F(ContextHelpTest, MainWindowControlsShowTheirOwnHelp) {
  window->form().SetupLinefitting(true);  // the error list, Quit, Diff and the fitting handles
  window->form().btnDiffTogg_Click(true);
  QApplication::processEvents();
  for (const MainControl& c : kMainControls) {
    int clicked = 0;  // rows the type does not use, and sign buttons of some rows, are hidden
    for (int index : c.indexes) {
      SCOPED_TRACE(::testing::Message() << "control " << int(c.id) << " (" << index << ")");
      QWidget* w = window->ControlWidget(c.id, index);
      ASSERT_NE(w, nullptr);
      if (!w->isVisible()) continue;
      ++clicked;
      EXPECT_EQ(RightClick(w), Expected(c.help));
    }
    EXPECT_GT(clicked, 0) << "control " << int(c.id);
  }
  for (const RecordingHelpViewer::Shown& shown : help.popups)
    EXPECT_EQ(shown.folder, window->form().HelpFolder());
}

TEST_F(ContextHelpTest, TypeButtonsShowTheirTypesHelp) {
  std::set<int> clicked;
  for (int group = -1; group < 4; ++group) {
    if (group >= 0) {
      QTest::mouseClick(window->ControlWidget(Ctl::optGroup, group), Qt::LeftButton);
      QApplication::processEvents();
    }
    for (int t = 0; t < kTypeButtonCount; ++t) {
      QWidget* button = window->ControlWidget(Ctl::optType, t);
      if (!button || !button->isVisible() || clicked.count(t)) continue;
      SCOPED_TRACE(::testing::Message() << "type " << t);
      clicked.insert(t);
      const auto it = kTypeButtonHelp.find(t);
      EXPECT_EQ(RightClick(button), Expected(it == kTypeButtonHelp.end() ? 0 : it->second));
    }
  }
  EXPECT_GT(clicked.size(), 40u);
  EXPECT_TRUE(clicked.count(0));
}

TEST_F(ContextHelpTest, ParameterDialogButtonsAndHelp) {
  bool up = false;
  WhenUp<frmDataEntry>([this, &up](frmDataEntry* d) {
    up = true;
    EXPECT_EQ(RightClick(d->Command3D1(2)), Expected(250));
    EXPECT_EQ(RightClick(d->Command3D1(3)), Expected(250));
    EXPECT_EQ(RightClick(d->txtCurrPV()), Expected(82));
    EXPECT_EQ(RightClick(d->check1(0)), Expected(82));
    d->Command3D1(2)->click();
    EXPECT_EQ(LastTopic(), 82);
    d->Command3D1(1)->click();
  });
  window->MenuAction(Ctl::mnuPar, 0)->trigger();
  EXPECT_TRUE(up);
}

TEST_F(ContextHelpTest, LayoutDialogControlsAndHelp) {
  // A type whose exchange matrix can be printed, so that every page-design box is available.
  QTest::mouseClick(window->ControlWidget(Ctl::optGroup, 2), Qt::LeftButton);
  qobject_cast<QAbstractButton*>(window->ControlWidget(Ctl::optType, 16))->click();
  bool up = false;
  WhenUp<Zef1Prev>([this, &up](Zef1Prev* preview) {
    WhenUp<frmPref1>([this, &up](frmPref1* d) {
      up = true;
      for (const auto& [box, id] : kPageDesignHelp) {
        SCOPED_TRACE(::testing::Message() << "page design " << box);
        ASSERT_TRUE(d->chkPageDesign[box]->isEnabled());
        EXPECT_EQ(RightClick(d->chkPageDesign[box]), Expected(id));
      }
      for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(::testing::Message() << "box size " << i);
        EXPECT_EQ(RightClick(d->Frame3d3[i]), Expected(210));
        EXPECT_EQ(RightClick(d->txtWdHt[i]), Expected(210));
        EXPECT_EQ(RightClick(d->cmdPrintFullWdHt[i]), Expected(210));
      }
      for (QCheckBox* box : d->chkParToPrint) {
        if (!box->isVisible()) continue;
        SCOPED_TRACE(box->text().toStdString());
        EXPECT_EQ(RightClick(box), Expected(230));
      }
      for (const auto& [button, id] : kLayoutCommandHelp) {
        SCOPED_TRACE(::testing::Message() << "command " << button);
        QPushButton* b = d->cmdPrintPref[button];
        const bool hidden = b->isHidden();  // buttons without a command of their own
        if (hidden) {
          b->show();
          b->raise();
        }
        EXPECT_EQ(RightClick(b), Expected(id));
        if (hidden) b->hide();
      }
      EXPECT_EQ(RightClick(d->cmdPrintPref[5]), Expected(0));  // OK has no number
      d->cmdPrintPref[8]->click();
      EXPECT_EQ(LastTopic(), 78);
      d->cmdPrintPref[5]->click();
    });
    preview->cmdPrintPrev_Click(11);
    preview->cmdPrintPrev_Click(6);
  });
  window->MenuAction(Ctl::mnuPrintPreview, 0)->trigger();
  EXPECT_TRUE(up);
}

TEST_F(ContextHelpTest, ExportDialogAndGroupEditorHelpButtons) {
  WhenUp<Zef1Export>([](Zef1Export* d) {
    d->cmdHelp->click();
    d->cmdCancel->click();
  });
  window->MenuAction(Ctl::mnuExportImage, 0)->trigger();
  EXPECT_EQ(LastTopic(), 5971);
  WhenUp<frmSimEdit>([](frmSimEdit* editor) {
    editor->Button("cmdHelp")->click();
    editor->close();
  });
  window->MenuAction(Ctl::mnuSimEdit, 0)->trigger();
  EXPECT_EQ(LastTopic(), 2210);
}

}  // namespace
