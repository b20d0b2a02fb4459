// Fuzz targets answer every message box at once with its default answer, so damaged input that
// makes the code report a fault never waits for a user.
#pragma once

#include <string>

#include "platform/msgbox.h"

class SilentBoxes : public MsgBoxHandler {
 public:
  int Message(const std::string&, int style, const std::string&) override {
    ++shown;
    return MsgBoxDefaultAnswer(style);
  }
  std::string Input(const std::string&, const std::string&, const std::string& defaultText,
                    bool& cancelled) override {
    cancelled = false;
    return defaultText;
  }
  int shown = 0;  // message boxes answered so far
};
