// Test helper: records every message and input box instead of showing it, and answers them
// from a script. Installing is scoped: the previous handler comes back when the recorder dies.
//
//   MsgBoxRecorder boxes;
//   boxes.Answer(vbNo);                       // next message box answers No
//   boxes.AnswerInput("12.5");                // next input box returns "12.5"
//   RunSomething();
//   ASSERT_EQ(boxes.count(), 1u);
//   EXPECT_EQ(boxes.last().text, "File not found.");
//   EXPECT_EQ(boxes.last().style, vbCritical);
//   EXPECT_EQ(boxes.last().title, "VIREO");
//
// A box without a scripted answer gets its default button (an input box its default text).
// Answers are used in order, whatever kind of box comes; a message box that meets a scripted
// input answer (or the reverse) fails the test.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/msgbox.h"

struct RecordedBox {
  bool input = false;       // true for an input box
  std::string text;         // message or prompt (Windows-1252)
  int style = 0;            // message boxes only
  std::string title;        // resolved title (the default title when the caller gave none)
  std::string defaultText;  // input boxes only
  int answer = 0;           // message boxes: the answer given
  std::string inputAnswer;  // input boxes: the text returned ("" when cancelled)
};

class MsgBoxRecorder : public MsgBoxHandler {
 public:
  MsgBoxRecorder();
  ~MsgBoxRecorder() override;
  MsgBoxRecorder(const MsgBoxRecorder&) = delete;
  MsgBoxRecorder& operator=(const MsgBoxRecorder&) = delete;

  // Scripts the answer of the next unanswered message box (vbOK, vbYes, vbNo, vbCancel...).
  MsgBoxRecorder& Answer(int answer);
  // Scripts the text the next input box returns, or a cancel.
  MsgBoxRecorder& AnswerInput(const std::string& text);
  MsgBoxRecorder& CancelInput();

  const std::vector<RecordedBox>& boxes() const { return boxes_; }
  std::size_t count() const { return boxes_.size(); }
  bool empty() const { return boxes_.empty(); }
  // The last box; fails the test (and returns an empty record) when there was none.
  const RecordedBox& last() const;
  // The texts of all boxes, in order (handy for EXPECT_THAT with ElementsAre).
  std::vector<std::string> texts() const;
  // Scripted answers not used yet.
  std::size_t pendingAnswers() const { return script_.size(); }
  void Clear();

  int Message(const std::string& text, int style, const std::string& title) override;
  std::string Input(const std::string& prompt, const std::string& title,
                    const std::string& defaultText, bool& cancelled) override;

 private:
  struct Scripted {
    bool input = false;
    int answer = 0;
    std::string text;
    bool cancel = false;
  };
  MsgBoxHandler* previous_;
  std::deque<Scripted> script_;
  std::vector<RecordedBox> boxes_;
};
