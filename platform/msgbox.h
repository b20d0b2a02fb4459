// Message and input boxes. Every box of the programs goes through these two functions; a
// program installs its Qt handler at start-up, tests install a recorder.
#pragma once

#include <functional>
#include <string>

// Styles (may be added): buttons in the low bits, icon in 16/32/48/64.
enum MsgBoxStyle : int {
  vbOKOnly = 0, vbOKCancel = 1, vbAbortRetryIgnore = 2, vbYesNoCancel = 3, vbYesNo = 4,
  vbRetryCancel = 5,
  vbCritical = 16, vbQuestion = 32, vbExclamation = 48, vbInformation = 64,
  vbDefaultButton2 = 256, vbDefaultButton3 = 512,
};
// Answers.
enum MsgBoxResult : int {
  vbOK = 1, vbCancel = 2, vbAbort = 3, vbRetry = 4, vbIgnore = 5, vbYes = 6, vbNo = 7,
};

// Texts are Windows-1252. An empty title means the program's default title.
class MsgBoxHandler {
 public:
  virtual ~MsgBoxHandler() = default;
  virtual int Message(const std::string& text, int style, const std::string& title) = 0;
  // Returns the typed text; `cancelled` true when the user cancelled (the runtime then gives "").
  virtual std::string Input(const std::string& prompt, const std::string& title,
                            const std::string& defaultText, bool& cancelled) = 0;
};

// Installs the handler (not owned); nullptr restores the default, which writes the text to
// stderr and answers with the box's default button (an input box with its default text).
// The handler receives the title already resolved (never empty).
void SetMsgBoxHandler(MsgBoxHandler* handler);
MsgBoxHandler* GetMsgBoxHandler();
// The answer of the box's default button (first button, or the one vbDefaultButton2/3 names).
int MsgBoxDefaultAnswer(int style);
// The default title (initially "VIREO"): "VIREO" in the simulator, "Halvex" in the calculator.
void SetDefaultMsgBoxTitle(const std::string& title);
const std::string& DefaultMsgBoxTitle();

// While this thread holds a folder lock (platform/folder_lock.h), a box with OK or with OK and
// Cancel (the file readers' and writers' reports) is held back and shown when the thread lets
// go of its last lock, so that another program's saves never wait for the user to read it;
// MsgBox then answers at once with the box's default button. Other questions are shown at once.
int MsgBox(const std::string& text, int style = vbOKOnly, const std::string& title = "");
// Shows the boxes held back (the folder lock calls it on its last release).
void MsgBoxShowHeldBack();
std::string InputBox(const std::string& prompt, const std::string& title = "",
                     const std::string& defaultText = "");
// The same, telling a cancelled box from an empty answer.
std::string InputBox(const std::string& prompt, const std::string& title,
                     const std::string& defaultText, bool& cancelled);
// True while a message or input box is up (guards the recalculation road against re-entry).
bool MsgBoxIsOpen();
