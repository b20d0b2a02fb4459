// Kavo71: the NMR spectrum simulator.
#include <QApplication>
#include <QCoreApplication>

#include "documents/file_startup.h"
#include "documents/ui/qt_file_dialog.h"
#include "drawlib/pending_events.h"
#include "engine/mainwin_services.h"
#include "groups/ui/program_groups.h"
#include "mainwin/ui/frm_kavo.h"
#include "platform/help_viewer.h"
#include "platform/clipboard.h"
#include "platform/msgbox.h"
#include "platform/ui/qt_clipboard.h"
#include "platform/ui/qt_help_viewer.h"
#include "platform/ui/qt_msgbox.h"

namespace {
void ProcessPendingEvents() { QCoreApplication::processEvents(); }
}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Kavo71");
  SetDefaultMsgBoxTitle("VIREO");
  QtMsgBoxHandler boxes;
  SetMsgBoxHandler(&boxes);
  QtHelpViewer help;
  SetHelpViewer(&help);
  QtClipboardDevice clipboard;
  SetClipboardDevice(&clipboard);
  QtFileDialogService dialogs;
  SetFileDialogService(&dialogs);
  SetPendingEventsHandler(&ProcessPendingEvents);
  DocumentServicesRegister();

  int status = 0;
  {
    frmKavo window;
    ProgramGroups groups(window);
    RegisterMainWindowServices(&window.form());
    if (window.form().Form_Load(CommandLineItems(argc, argv))) status = app.exec();
    RegisterMainWindowServices(nullptr);
  }
  SetPendingEventsHandler(nullptr);
  SetFileDialogService(nullptr);
  SetClipboardDevice(nullptr);
  SetHelpViewer(nullptr);
  SetMsgBoxHandler(nullptr);
  return status;
}
