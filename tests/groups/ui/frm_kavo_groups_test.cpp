// The main window on the offscreen platform with its groups: the SimSave and SimRestore menus
// and the step buttons reach the groups, a saved simulation comes back with its page, and the
// group editor opens from the Sim-Group menu.
#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gmock/gmock.h>

#include <filesystem>
#include <memory>

#include "documents/drawing_file.h"
#include "documents/file_startup.h"
#include "documents/spec_record.h"
#include "engine/mainwin_services.h"
#include "groups/main_window_groups.h"
#include "groups/ui/frm_sim_edit.h"
#include "groups/ui/program_groups.h"
#include "mainwin/ui/frm_kavo.h"
#include "mainwin/ui/toolbar_pictures.h"
#include "platform/paths.h"
#include "tests/groups/groups_fixture.h"
#include "tests/mainwin/recording_help_viewer.h"
#include "tests/support/process_state.h"

namespace {

class FrmKavoGroupsTest : public GroupsTest {
 protected:
  void SetUp() override {
    GroupsTest::SetUp();
    SetProgramFolderForTests(folder.path());
    std::filesystem::copy_file(KAVO71_DAT_PATH, folder.File("KAVO71.dat"));
    SetHelpViewer(&help);
    Start();
  }
  // The start-up road of a new process in the same program folder.
  void Start() {
    groups.reset();
    window.reset();
    RegisterMainWindowServices(nullptr);
    ResetProcessState();
    SetProgramFolderForTests(folder.path());
    SetGroupClock(&FixedClock);
    window = std::make_unique<frmKavo>();
    groups = std::make_unique<ProgramGroups>(*window);
    RegisterMainWindowServices(&window->form());
    ASSERT_TRUE(window->form().Form_Load({}));
    QApplication::processEvents();
    boxes.Clear();
  }
  void TearDown() override {
    groups.reset();
    window.reset();
    RegisterMainWindowServices(nullptr);
    SetHelpViewer(nullptr);
    GroupsTest::TearDown();
  }

  RecordingHelpViewer help;
  std::unique_ptr<frmKavo> window;
  std::unique_ptr<ProgramGroups> groups;
};

TEST_F(FrmKavoGroupsTest, SaveThenRestoreThroughTheMenus) {
  window->form().SetParValue(140, 0, 1);
  boxes.AnswerInput("Run & more");
  window->MenuAction(Ctl::mnuS, 2)->trigger();
  ASSERT_EQ(boxes.count(), 1u);
  EXPECT_EQ(boxes.last().title, "Save Spectrum ");
  EXPECT_EQ(window->MenuAction(Ctl::mnuR, 2)->text(), " 3. Run && more");
  EXPECT_TRUE(window->MenuAction(Ctl::mnuR, 2)->isChecked());
  PageArray pages(2);
  ASSERT_EQ(FileLoadBin32Bit(pages, folder.File("default.zef"), 0), 0);
  EXPECT_EQ(pages[1].pageCount, 3);

  window->form().SetParValue(110, 0, 1);
  window->MenuAction(Ctl::mnuR, 2)->trigger();
  EXPECT_FLOAT_EQ(gSimPar[0].Value, 140);
  window->form().SetParValue(110, 0, 1);
  gCurrentSimItem = 3;
  QTest::mouseClick(qobject_cast<QPushButton*>(window->ControlWidget(Ctl::cmdNextPrevSim, 1)),
                    Qt::LeftButton);
  EXPECT_FLOAT_EQ(gSimPar[0].Value, 140);
  EXPECT_EQ(gCurrentSimItem, 2);
}

TEST_F(FrmKavoGroupsTest, TheEditorOpensFromTheMenuAndItsExitReturns) {
  const std::string group = folder.File("default.sim");
  bool shown = false;
  QTimer::singleShot(0, [group, &shown] {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* editor = dynamic_cast<frmSimEdit*>(w); editor && editor->isVisible()) {
        shown = true;
        EXPECT_EQ(editor->editor().Caption(), "Simulation Group Editor [" + group + "]");
        editor->close();  // the frame's close acts as Exit
      }
  });
  window->MenuAction(Ctl::mnuSimEdit, 0)->trigger();
  EXPECT_TRUE(shown);
  EXPECT_EQ(groups->groups().GroupFile(), group);
}

// The spectrum-height buttons work on a fitted spectrum only: without line fitting they are
// disabled and show their grey pictures, whether the window started afresh, reopened its group
// or restored an item without a spectrum while fitting.
TEST_F(FrmKavoGroupsTest, SpectrumHeightButtonsAnswerOnlyInLineFitting) {
  const auto expectState = [this](bool fitting) {
    for (int index : {11, 12}) {
      SCOPED_TRACE(index);
      auto* button = qobject_cast<QPushButton*>(window->ControlWidget(Ctl::CmndUpDn, index));
      ASSERT_NE(button, nullptr);
      EXPECT_EQ(button->isEnabled(), fitting);
      // Pictures 2 and 4 are the active ones, 3 and 5 the grey ones.
      const int picture = (index == 11 ? 2 : 4) + (fitting ? 0 : 1);
      EXPECT_TRUE(button->icon().pixmap(16).toImage() ==
                  ToolbarPicture(index, picture, "").icon.pixmap(16).toImage())
          << "not picture " << picture;
    }
  };
  {
    SCOPED_TRACE("first start");
    expectState(false);
  }
  boxes.AnswerInput("plain AB");
  window->MenuAction(Ctl::mnuS, 0)->trigger();
  Start();
  {
    SCOPED_TRACE("second start, the group reopened");
    expectState(false);
  }
  gLineFit = -1;
  window->form().SetupLinefitting(true);
  expectState(true);
  window->MenuAction(Ctl::mnuR, 0)->trigger();
  {
    SCOPED_TRACE("an item without a spectrum restored");
    EXPECT_EQ(gLineFit, 0);
    expectState(false);
  }
}

}  // namespace
