// Records the message boxes shown during a test and answers them with a scripted answer.
#pragma once

#include <string>
#include <vector>

#include "platform/msgbox.h"

struct ShownMessage {
  std::string text;
  int style = 0;
  std::string title;
};

class MessageLog : public MsgBoxHandler {
 public:
  MessageLog() { SetMsgBoxHandler(this); }
  ~MessageLog() override { SetMsgBoxHandler(nullptr); }
  int Message(const std::string& text, int style, const std::string& title) override {
    shown.push_back({text, style, title});
    return answer;
  }
  std::string Input(const std::string&, const std::string&, const std::string& d,
                    bool& cancelled) override {
    cancelled = false;
    return d;
  }
  std::vector<ShownMessage> shown;
  int answer = vbOK;
};
