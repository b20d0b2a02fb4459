// Runs the real Kavo71 program as its own process in a program folder of its own, with a
// settings folder of its own, and plays a script of user actions on its window (the program's
// KAVO71_SCRIPT player). The log it writes is read back as dumps of the window's state and the
// boxes and dialogs it met.
#pragma once

#include <map>
#include <string>
#include <vector>

// One "dump LABEL" of the log: its "key: value" lines.
using WindowState = std::map<std::string, std::string>;

struct ProgramRun {
  int exitCode = -1;
  std::string log;                   // the whole log, for failure messages
  std::vector<std::string> events;   // every line that is not part of a dump, in order
  std::map<std::string, WindowState> dumps;
  std::vector<std::string> dumpOrder;

  // The dump LABEL (empty, with a test failure, when the log lacks it).
  const WindowState& State(const std::string& label) const;
  // The value of key in dump label ("" when missing).
  std::string Get(const std::string& label, const std::string& key) const;
  // The events that begin with prefix ("box: ", "input: ", "dialog: "), in order.
  std::vector<std::string> Events(const std::string& prefix) const;
};

class ProgramFolder {
 public:
  // A fresh folder named `name` under the test's scratch folder: bin/ with the program,
  // share/kavo71 with its data, home/ as HOME and XDG_CONFIG_HOME, work/ for the user's files.
  explicit ProgramFolder(const std::string& name);

  const std::string& root() const { return root_; }
  std::string Bin(const std::string& file) const { return root_ + "/bin/" + file; }
  std::string Work(const std::string& file) const { return root_ + "/work/" + file; }

  // Starts the program, plays the script lines and waits for it to end (killed after a few
  // minutes). Each run gets its own script and log file, numbered.
  ProgramRun Run(const std::vector<std::string>& script);

 private:
  std::string root_;
  int runs_ = 0;
};

std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& bytes);
bool FileExists(const std::string& path);
// Blanks runs collapsed to one and trimmed: captions compared as one reads them.
std::string Squeezed(const std::string& text);
