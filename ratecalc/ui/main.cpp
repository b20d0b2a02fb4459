// Halvex: rate constants, half-lives and activation parameters, and first-order reactions.
#include <QApplication>

#include "platform/msgbox.h"
#include "platform/ui/qt_msgbox.h"
#include "ratecalc/ui/halvex_windows.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Halvex");
  SetDefaultMsgBoxTitle("Halvex");
  QtMsgBoxHandler boxes;
  SetMsgBoxHandler(&boxes);
  HalvexWindows windows;
  windows.Start();
  const int status = app.exec();
  SetMsgBoxHandler(nullptr);
  return status;
}
