// Kavo71: the NMR spectrum simulator.
#include <QApplication>
#include <QCoreApplication>

#include "documents/file_startup.h"
#include "documents/ui/qt_file_dialog.h"
#include "drawlib/app_hooks_kavo.h"
#include "drawlib/pending_events.h"
#include "engine/mainwin_services.h"
#include "groups/ui/program_groups.h"
#include "mainwin/ui/frm_kavo.h"
#include "mainwin/ui/output_dialog_services.h"
#include "mainwin/ui/script_driver.h"
#include "output/export_pictures.h"
#include "output/output_printer.h"
#include "output/output_registration.h"
#include "output/postscript_writer.h"
#include "output/ui/qt_export_pictures.h"
#include "output/ui/qt_output_printer.h"
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
  KavoHooks hooks;  // the drawing library's calls back into the simulator
  SetAppHooks(&hooks);
  PostScriptWriterRegister();
  OutputServicesRegister();
  QtOutputPrinter printer;
  SetOutputPrinter(&printer);

  int status = 0;
  {
    frmKavo window;
    ProgramGroups groups(window);
    QtExportPictures exportPictures(&window, window.ControlWidget(Ctl::picKavo, 0));
    SetExportPictures(&exportPictures);
    RegisterMainWindowServices(&window.form());
    OutputDialogServices outputDialogs(window);
    ScriptDriver script(window);  // plays KAVO71_SCRIPT when the tests set it, from the start on
    script.Start();
    const bool loaded = window.form().Form_Load(CommandLineItems(argc, argv));
    script.WindowLoaded(loaded);
    if (loaded) status = app.exec();
    RegisterMainWindowServices(nullptr);
    SetExportPictures(nullptr);
  }
  SetOutputPrinter(nullptr);
  SetPostScriptWriter(nullptr);
  SetAppHooks(nullptr);
  SetPendingEventsHandler(nullptr);
  SetFileDialogService(nullptr);
  SetClipboardDevice(nullptr);
  SetHelpViewer(nullptr);
  SetMsgBoxHandler(nullptr);
  return status;
}
