// Test fixture of the main window with the groups registered: the main window's fixture, the
// groups' state and clock, a scripted file dialog, and a helper that reads the texts the window
// printed on its picture.
#pragma once

#include <deque>

#include "documents/file_dialog.h"
#include "groups/group_clock.h"
#include "groups/main_window_groups.h"
#include "platform/atomic_file_seam.h"
#include "tests/groups/groups_fixture.h"
#include "tests/mainwin/mainwin_fixture.h"
#include "tests/support/process_state.h"
#include "tests/support/status_texts.h"

class ScriptedFileDialog : public FileDialogService {
 public:
  std::string Show(const FileDialogRequest& request) override {
    requests.push_back(request);
    if (answers.empty()) return "";
    std::string answer = answers.front();
    answers.pop_front();
    return answer;
  }
  std::deque<std::string> answers;
  std::vector<FileDialogRequest> requests;
};

class WindowGroupsTest : public MainWinTest {
 protected:
  void SetUp() override {
    MainWinTest::SetUp();
    SetGroupClock(&FixedClock);
    AtomicWriteSkipSyncForTests(true);
    SetFileDialogService(&dialog);
    groups.Register();
  }
  void TearDown() override {
    SetFileDialogService(nullptr);
    MainWinTest::TearDown();
  }
  std::string DefaultGroup() const { return folder.File("default.sim"); }
  // The group messages printed on the picture since the last call.
  std::vector<std::string> Printed() {
    // Status texts stay and come back after each redraw: only those written anew count.
    if (picture.ops.size() < opsRead_) reported_ = 0;  // the recording started again
    opsRead_ = picture.ops.size();
    std::vector<std::string> texts;
    const std::vector<std::string> written = WrittenTexts(picture);
    for (size_t i = reported_; i < written.size(); ++i)
      if (written[i].find("Sim") != std::string::npos || written[i].find("] ") != std::string::npos)
        texts.push_back(written[i]);
    reported_ = written.size();
    return texts;
  }
  size_t opsRead_ = 0, reported_ = 0;

  ScriptedFileDialog dialog;
  MainWindowGroups groups{form};
};
