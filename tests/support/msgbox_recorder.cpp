#include "tests/support/msgbox_recorder.h"

#include <gtest/gtest.h>

MsgBoxRecorder::MsgBoxRecorder() : previous_(GetMsgBoxHandler()) { SetMsgBoxHandler(this); }

MsgBoxRecorder::~MsgBoxRecorder() { SetMsgBoxHandler(previous_); }

MsgBoxRecorder& MsgBoxRecorder::Answer(int answer) {
  script_.push_back({false, answer, "", false});
  return *this;
}

MsgBoxRecorder& MsgBoxRecorder::AnswerInput(const std::string& text) {
  script_.push_back({true, 0, text, false});
  return *this;
}

MsgBoxRecorder& MsgBoxRecorder::CancelInput() {
  script_.push_back({true, 0, "", true});
  return *this;
}

const RecordedBox& MsgBoxRecorder::last() const {
  static const RecordedBox kNone;
  if (boxes_.empty()) {
    ADD_FAILURE() << "no message or input box was shown";
    return kNone;
  }
  return boxes_.back();
}

std::vector<std::string> MsgBoxRecorder::texts() const {
  std::vector<std::string> out;
  for (const auto& b : boxes_) out.push_back(b.text);
  return out;
}

void MsgBoxRecorder::Clear() {
  boxes_.clear();
  script_.clear();
}

int MsgBoxRecorder::Message(const std::string& text, int style, const std::string& title) {
  RecordedBox box;
  box.text = text;
  box.style = style;
  box.title = title;
  box.answer = MsgBoxDefaultAnswer(style);
  if (!script_.empty()) {
    if (script_.front().input)
      ADD_FAILURE() << "message box \"" << text << "\" met a scripted input answer";
    else
      box.answer = script_.front().answer;
    script_.pop_front();
  }
  boxes_.push_back(box);
  return box.answer;
}

std::string MsgBoxRecorder::Input(const std::string& prompt, const std::string& title,
                                  const std::string& defaultText, bool& cancelled) {
  RecordedBox box;
  box.input = true;
  box.text = prompt;
  box.title = title;
  box.defaultText = defaultText;
  box.inputAnswer = defaultText;
  cancelled = false;
  if (!script_.empty()) {
    const Scripted& s = script_.front();
    if (!s.input) {
      ADD_FAILURE() << "input box \"" << prompt << "\" met a scripted message answer";
    } else {
      cancelled = s.cancel;
      box.inputAnswer = s.cancel ? std::string() : s.text;
    }
    script_.pop_front();
  }
  boxes_.push_back(box);
  return box.inputAnswer;
}
