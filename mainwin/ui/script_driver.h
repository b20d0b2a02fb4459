// A player of user actions for the end-to-end tests. When KAVO71_SCRIPT names a script file,
// the running program plays it on its real widgets: mouse clicks on buttons, menu commands,
// typed keys, and answers to the message boxes, input boxes and file dialogs as they come up.
// What the window shows is written to KAVO71_SCRIPT_LOG. Without KAVO71_SCRIPT it does nothing.
// It starts before the window loads: the boxes the start-up shows are answered by the first
// lines, and the lines that act on the window wait until it has loaded.
//
// Script lines (words with blanks in double quotes; "#" starts a comment line):
//   click TEXT            click the visible button TEXT of the open dialog, else of the window
//   menu TEXT TEXT ...    choose a menu command by its captions ("&" marks ignored)
//   answer TEXT           wait for a message box, log it, click its button TEXT
//   input TEXT            wait for an input box, log it, type TEXT and press OK
//   file PATH | cancel    wait for a file dialog, log it, choose PATH (its folder must exist)
//                         or cancel it
//   wait MS               let the program run for MS milliseconds
//   touch PATH            create the empty file PATH (a signal to another program's script)
//   clipboard MIME PATH   put the bytes of the file PATH on the clipboard as the format MIME,
//                         as another program's copy does
//   waitfile PATH         wait until the file PATH exists (as long as the script may run)
//   dump LABEL            log the window's state under LABEL
//   close                 close the main window as its close box does
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <cstdio>
#include <vector>

class frmKavo;
class QWidget;

class ScriptDriver : public QObject {
 public:
  explicit ScriptDriver(frmKavo& window);
  ~ScriptDriver() override;
  // Reads the script named by KAVO71_SCRIPT and starts playing it from the event loop; false
  // (and nothing happens) when the variable is not set. Called before the window loads.
  bool Start();
  // The window's start-up is over. Loaded: the lines that act on the window may run. Not
  // loaded: the program ends without its window, and a line not yet played fails the script.
  void WindowLoaded(bool loaded);

 private:
  void Tick();
  // Runs one line; false when it has to wait and is tried again at the next tick.
  bool Run(const QStringList& words);
  bool Answer(const QStringList& words);
  bool Input(const QStringList& words);
  bool File(const QStringList& words);
  void Click(const QString& text);
  void Menu(const QStringList& path);
  void Dump(const QString& label);
  void Fail(const QString& why);
  void Log(const QString& line);
  QWidget* Scope() const;
  QString WindowPrint() const;
  // Runs an action of the user; while it runs, the script goes on only in a dialog it opened.
  template <typename F>
  void Act(F action);

  frmKavo& window_;
  std::vector<QStringList> lines_;
  std::size_t next_ = 0;
  int waitedMs_ = 0;
  qint64 resumeAt_ = 0;
  bool busy_ = false;
  bool started_ = false;
  bool loaded_ = false;
  // For each action under way, the dialog that was open when it began (nullptr: none).
  std::vector<QPointer<QWidget>> running_;
  std::FILE* log_ = nullptr;
};
