// The message-box seam: one installed handler shows every box.
#include "platform/msgbox.h"

#include <cstdio>
#include <initializer_list>
#include <vector>

#include "platform/cp1252.h"
#include "platform/folder_lock.h"

namespace {

MsgBoxHandler* gHandler = nullptr;
std::string gDefaultTitle = "VIREO";
int gOpenBoxes = 0;

struct HeldBox {
  std::string text;
  int style;
  std::string title;
};
// The OK-only boxes of this thread waiting for its folder locks to go.
thread_local std::vector<HeldBox> tHeldBack;

// Counts the open boxes while a handler runs, also when it throws.
struct OpenBox {
  OpenBox() { ++gOpenBoxes; }
  ~OpenBox() { --gOpenBoxes; }
  OpenBox(const OpenBox&) = delete;
  OpenBox& operator=(const OpenBox&) = delete;
};

// Without a program handler the box is written to stderr and answered with its default button.
class StderrHandler : public MsgBoxHandler {
 public:
  int Message(const std::string& text, int style, const std::string& title) override {
    std::fprintf(stderr, "[%s] %s\n", Cp1252ToUtf8(title).c_str(), Cp1252ToUtf8(text).c_str());
    return MsgBoxDefaultAnswer(style);
  }
  std::string Input(const std::string& prompt, const std::string& title,
                    const std::string& defaultText, bool& cancelled) override {
    std::fprintf(stderr, "[%s] %s\n", Cp1252ToUtf8(title).c_str(), Cp1252ToUtf8(prompt).c_str());
    cancelled = false;
    return defaultText;
  }
};

StderrHandler gStderrHandler;

const std::string& EffectiveTitle(const std::string& title) {
  return title.empty() ? gDefaultTitle : title;
}

}  // namespace

int MsgBoxDefaultAnswer(int style) {
  int buttons = style & 7;
  int which = (style & vbDefaultButton3) ? 2 : (style & vbDefaultButton2) ? 1 : 0;
  auto pick = [which](std::initializer_list<int> answers) {
    int i = 0;
    int last = vbOK;
    for (int a : answers) {
      if (i++ == which) return a;
      last = a;
    }
    return last;  // a default button beyond the box's buttons means its last one
  };
  switch (buttons) {
    case vbOKCancel: return pick({vbOK, vbCancel});
    case vbAbortRetryIgnore: return pick({vbAbort, vbRetry, vbIgnore});
    case vbYesNoCancel: return pick({vbYes, vbNo, vbCancel});
    case vbYesNo: return pick({vbYes, vbNo});
    case vbRetryCancel: return pick({vbRetry, vbCancel});
    default: return vbOK;
  }
}

void SetMsgBoxHandler(MsgBoxHandler* handler) { gHandler = handler; }

MsgBoxHandler* GetMsgBoxHandler() { return gHandler; }

void SetDefaultMsgBoxTitle(const std::string& title) { gDefaultTitle = title; }

const std::string& DefaultMsgBoxTitle() { return gDefaultTitle; }

int MsgBox(const std::string& text, int style, const std::string& title) {
  const int buttons = style & 7;
  if ((buttons == vbOKOnly || buttons == vbOKCancel) && FolderLockHeldByThisThread()) {
    tHeldBack.push_back({text, style, title});
    return MsgBoxDefaultAnswer(style);
  }
  MsgBoxHandler* h = gHandler ? gHandler : &gStderrHandler;
  OpenBox open;
  return h->Message(text, style, EffectiveTitle(title));
}

void MsgBoxShowHeldBack() {
  std::vector<HeldBox> boxes;
  boxes.swap(tHeldBack);
  for (const HeldBox& box : boxes) MsgBox(box.text, box.style, box.title);
}

std::string InputBox(const std::string& prompt, const std::string& title,
                     const std::string& defaultText) {
  bool cancelled = false;
  return InputBox(prompt, title, defaultText, cancelled);
}

std::string InputBox(const std::string& prompt, const std::string& title,
                     const std::string& defaultText, bool& cancelled) {
  MsgBoxHandler* h = gHandler ? gHandler : &gStderrHandler;
  OpenBox open;
  cancelled = false;
  std::string answer = h->Input(prompt, EffectiveTitle(title), defaultText, cancelled);
  return cancelled ? std::string() : answer;
}

bool MsgBoxIsOpen() { return gOpenBoxes > 0; }
