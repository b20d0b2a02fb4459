// The programs' message and input boxes on Qt: QMessageBox and QInputDialog, parented to the
// active window. Install once at start-up: SetMsgBoxHandler(&handler).
#pragma once

#include "platform/msgbox.h"

class QtMsgBoxHandler : public MsgBoxHandler {
 public:
  int Message(const std::string& text, int style, const std::string& title) override;
  std::string Input(const std::string& prompt, const std::string& title,
                    const std::string& defaultText, bool& cancelled) override;
};
