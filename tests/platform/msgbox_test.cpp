#include "platform/msgbox.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/folder_lock.h"
#include "platform/runtime_reset.h"
#include "tests/support/msgbox_recorder.h"

TEST(MsgBox, RecorderSeesTextStyleAndResolvedTitle) {
  MsgBoxRecorder boxes;
  EXPECT_EQ(MsgBox("File not found.", vbCritical), vbOK);
  MsgBox("Save?", vbYesNo + vbQuestion, "Group");
  ASSERT_EQ(boxes.count(), 2u);
  EXPECT_EQ(boxes.boxes()[0].text, "File not found.");
  EXPECT_EQ(boxes.boxes()[0].style, vbCritical);
  EXPECT_EQ(boxes.boxes()[0].title, "VIREO");
  EXPECT_EQ(boxes.last().title, "Group");
  EXPECT_EQ(boxes.last().style, vbYesNo + vbQuestion);

  SetDefaultMsgBoxTitle("Halvex");
  MsgBox("x");
  EXPECT_EQ(boxes.last().title, "Halvex");
  SetDefaultMsgBoxTitle("VIREO");
}

TEST(MsgBox, ScriptedAnswersAreUsedInOrder) {
  MsgBoxRecorder boxes;
  boxes.Answer(vbNo).AnswerInput("12.5").CancelInput().Answer(vbCancel);
  EXPECT_EQ(MsgBox("a", vbYesNo), vbNo);
  EXPECT_EQ(InputBox("Value:", "", "1"), "12.5");
  EXPECT_EQ(InputBox("Value:", "", "1"), "");
  EXPECT_EQ(MsgBox("b", vbYesNoCancel), vbCancel);
  EXPECT_EQ(boxes.pendingAnswers(), 0u);
  ASSERT_EQ(boxes.count(), 4u);
  EXPECT_TRUE(boxes.boxes()[1].input);
  EXPECT_EQ(boxes.boxes()[1].defaultText, "1");
  EXPECT_EQ(boxes.boxes()[2].inputAnswer, "");
  EXPECT_EQ(boxes.texts(), (std::vector<std::string>{"a", "Value:", "Value:", "b"}));
}

TEST(MsgBox, UnscriptedBoxesTakeTheirDefaultButton) {
  MsgBoxRecorder boxes;
  struct Case { int style; int answer; };
  const Case cases[] = {
      {vbOKOnly, vbOK},
      {vbOKCancel, vbOK},
      {vbOKCancel + vbDefaultButton2, vbCancel},
      {vbYesNoCancel + vbExclamation, vbYes},
      {vbYesNoCancel + vbDefaultButton2, vbNo},
      {vbYesNoCancel + vbDefaultButton3, vbCancel},
      {vbYesNo + vbDefaultButton2, vbNo},
      {vbAbortRetryIgnore, vbAbort},
      {vbRetryCancel, vbRetry},
      {vbYesNo + vbDefaultButton3, vbNo},  // beyond the buttons: the last one
      {vbOKOnly + vbDefaultButton2, vbOK},
  };
  for (const auto& c : cases) EXPECT_EQ(MsgBox("q", c.style), c.answer) << c.style;
  EXPECT_EQ(InputBox("p", "", "default"), "default");
}

namespace {

// A handler that looks at the open-box state and can throw.
class ProbeHandler : public MsgBoxHandler {
 public:
  bool sawOpen = false;
  bool fail = false;
  int Message(const std::string&, int, const std::string&) override {
    sawOpen = MsgBoxIsOpen();
    if (fail) throw std::runtime_error("handler failed");
    return vbOK;
  }
  std::string Input(const std::string&, const std::string&, const std::string&,
                    bool& cancelled) override {
    sawOpen = MsgBoxIsOpen();
    cancelled = true;
    return "typed";
  }
};

}  // namespace

TEST(MsgBox, OpenStateAndHandlerInstallation) {
  ProbeHandler probe;
  SetMsgBoxHandler(&probe);
  EXPECT_FALSE(MsgBoxIsOpen());
  MsgBox("x");
  EXPECT_TRUE(probe.sawOpen);
  EXPECT_EQ(InputBox("p"), "");  // a cancelled input box gives ""
  probe.fail = true;
  EXPECT_THROW(MsgBox("x"), std::runtime_error);
  EXPECT_FALSE(MsgBoxIsOpen());
  {
    MsgBoxRecorder outer;
    {
      MsgBoxRecorder inner;
      EXPECT_EQ(GetMsgBoxHandler(), &inner);
    }
    EXPECT_EQ(GetMsgBoxHandler(), &outer);
  }
  EXPECT_EQ(GetMsgBoxHandler(), &probe);
  SetMsgBoxHandler(nullptr);
}

TEST(MsgBox, ResetRestoresStartUpState) {
  MsgBoxRecorder boxes;
  SetDefaultMsgBoxTitle("Halvex");
  ResetPlatformRuntime();
  EXPECT_EQ(GetMsgBoxHandler(), nullptr);
  EXPECT_EQ(DefaultMsgBoxTitle(), "VIREO");
}

// A report (OK, or OK and Cancel) waits until the thread lets go of its last folder lock, so
// that another program's saves do not wait for the user, and takes its default answer; other
// questions are asked at once.
TEST(MsgBox, ReportsWaitForTheFolderLockAndQuestionsDoNot) {
  MsgBoxRecorder boxes;
  const std::string file = ::testing::TempDir() + "held-box.sim";
  {
    const FolderLock outer(file);
    {
      const FolderLock inner(file);
      EXPECT_EQ(MsgBox("Disk full.", vbExclamation, "Save"), vbOK);
      EXPECT_EQ(MsgBox("Damaged.", vbOKCancel + vbDefaultButton2), vbCancel);
    }
    EXPECT_EQ(boxes.count(), 0u);
    boxes.Answer(vbNo);
    EXPECT_EQ(MsgBox("Write over?", vbYesNo), vbNo);
    EXPECT_EQ(boxes.texts(), std::vector<std::string>{"Write over?"});
  }
  EXPECT_EQ(boxes.texts(), (std::vector<std::string>{"Write over?", "Disk full.", "Damaged."}));
  EXPECT_EQ(boxes.boxes()[1].style, vbExclamation);
  EXPECT_EQ(boxes.boxes()[1].title, "Save");
  MsgBox("Unlocked.");
  EXPECT_EQ(boxes.last().text, "Unlocked.");
}
