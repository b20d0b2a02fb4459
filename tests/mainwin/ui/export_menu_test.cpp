// The main window's image export command, wired as the program wires it: the export dialog
// comes up, OK on its default exports a metafile to the clipboard, and Cancel keeps the
// settings and exports nothing.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>

#include "documents/file_startup.h"
#include "documents/spec_record.h"
#include "drawlib/drawlib_init.h"
#include "drawlib/ini/libr_ini.h"
#include "engine/engine_globals.h"
#include "engine/mainwin_services.h"
#include "mainwin/ui/frm_kavo.h"
#include "mainwin/ui/output_dialog_services.h"
#include "output/export_pictures.h"
#include "output/output_registration.h"
#include "output/ui/qt_export_pictures.h"
#include "output/ui/zef1_export.h"
#include "platform/clipboard.h"
#include "platform/paths.h"
#include "platform/ui/qt_clipboard.h"
#include "tests/mainwin/ui/kavo_window_fixture.h"
#include "tests/mainwin/recording_help_viewer.h"
#include "tests/support/msgbox_recorder.h"
#include "tests/support/process_state.h"
#include "tests/support/scratch_folder.h"

namespace {

// Runs the action on the export dialog once it is up; notes whether it came up.
void WhenExportUp(bool& up, std::function<void(Zef1Export*)> action) {
  up = false;
  QTimer::singleShot(0, [&up, action] {
    auto* d = dynamic_cast<Zef1Export*>(QApplication::activeModalWidget());
    if (!d) return;
    up = true;
    action(d);
  });
}

bool HoldsMetafile() {
  const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
  if (!mime) return false;
  return !mime->data("image/x-wmf").isEmpty() || !mime->data("image/x-emf").isEmpty();
}

class ExportMenuTest : public KavoWindowTest {
 protected:
  void SetUp() override {
    KavoWindowTest::SetUp();
    SetClipboardDevice(&clipboard);
    OutputServicesRegister();
    window = std::make_unique<frmKavo>();
    pictures = std::make_unique<QtExportPictures>(window.get(),
                                                  window->ControlWidget(Ctl::picKavo, 0));
    SetExportPictures(pictures.get());
    RegisterMainWindowServices(&window->form());
    outputDialogs = std::make_unique<OutputDialogServices>(*window);
    DocumentServicesRegister();
    ASSERT_TRUE(window->form().Form_Load({}));
    QApplication::processEvents();
    QGuiApplication::clipboard()->clear();
  }
  void TearDown() override {
    outputDialogs.reset();
    RegisterMainWindowServices(nullptr);
    SetExportPictures(nullptr);
    pictures.reset();
    window.reset();
    SetClipboardDevice(nullptr);
    KavoWindowTest::TearDown();
  }
  void ExportCommand() { window->MenuAction(Ctl::mnuExportImage, 0)->trigger(); }

  QtClipboardDevice clipboard;
  std::unique_ptr<QtExportPictures> pictures;
  std::unique_ptr<OutputDialogServices> outputDialogs;
};

TEST_F(ExportMenuTest, OkOnTheDefaultPutsAMetafileOnTheClipboard) {
  ASSERT_TRUE(boxes.empty()) << boxes.texts().front();
  bool up = false;
  WhenExportUp(up, [](Zef1Export* d) {
    EXPECT_EQ(d->Label1->text(), "WMF-P Frame Clip");
    d->cmdExit->click();
  });
  ExportCommand();
  ASSERT_TRUE(up);
  EXPECT_EQ(window->form().ExportSettings(), "WMF-P Frame Clip");
  EXPECT_TRUE(HoldsMetafile());
  ASSERT_EQ(boxes.count(), 1u);
  EXPECT_NE(boxes.last().text.find("Copied to ClipBoard"), std::string::npos)
      << boxes.last().text;
}

TEST_F(ExportMenuTest, CancelKeepsTheSettingsAndExportsNothing) {
  bool up = false;
  WhenExportUp(up, [](Zef1Export* d) { d->cmdExit->click(); });
  ExportCommand();
  ASSERT_TRUE(up);
  QGuiApplication::clipboard()->clear();
  boxes.Clear();

  // The dialog comes back with the kept settings; a new choice is dropped by Cancel.
  WhenExportUp(up, [](Zef1Export* d) {
    EXPECT_EQ(d->Label1->text(), "WMF-P Frame Clip");
    d->optGraphics[4]->click();
    EXPECT_TRUE(d->Label1->text().startsWith("GIF-S "));
    d->cmdCancel->click();
  });
  ExportCommand();
  ASSERT_TRUE(up);
  EXPECT_EQ(window->form().ExportSettings(), "WMF-P Frame Clip");
  EXPECT_FALSE(HoldsMetafile());
  EXPECT_TRUE(boxes.empty()) << boxes.texts().front();

  // The close box is a Cancel too.
  WhenExportUp(up, [](Zef1Export* d) { d->close(); });
  ExportCommand();
  ASSERT_TRUE(up);
  EXPECT_EQ(window->form().ExportSettings(), "WMF-P Frame Clip");
  EXPECT_FALSE(HoldsMetafile());
  EXPECT_TRUE(boxes.empty()) << boxes.texts().front();
}

}  // namespace
