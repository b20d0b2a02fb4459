// Test fixture of the main window: fresh process state, a program folder of its own (with the
// program data file, so it also holds the settings file and the default group), a fake window
// system, a recording picture, spectrum loader, help viewer and message-box recorder, and the
// form registered as the engine's main window.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "documents/file_startup.h"
#include "documents/spec_record.h"
#include "drawlib/drawlib_init.h"
#include "drawlib/ini/libr_ini.h"
#include "engine/engine_globals.h"
#include "engine/sim_catalogue.h"
#include "engine/mainwin_services.h"
#include "engine/spectrum_file_services.h"
#include "mainwin/group_startup.h"
#include "mainwin/kavo_form.h"
#include "platform/help_viewer.h"
#include "platform/paths.h"
#include "platform/recording_picture_box.h"
#include "tests/mainwin/fake_kavo_host.h"
#include "tests/mainwin/fake_spectrum_files.h"
#include "tests/mainwin/recording_help_viewer.h"
#include "tests/support/msgbox_recorder.h"
#include "tests/support/process_state.h"
#include "tests/support/scratch_folder.h"

class MainWinTest : public ::testing::Test {
 protected:
  MainWinTest() : picture(9000, 5000), form(host, picture) {}

  void SetUp() override {
    ResetProcessState();
    SetProgramFolderForTests(folder.path());
    std::filesystem::copy_file(KAVO71_DAT_PATH, folder.File("KAVO71.dat"));
    RegisterMainWindowServices(&form);
    RegisterSpectrumFileServices(&spectra);
    SetHelpViewer(&help);
  }
  void TearDown() override {
    SetHelpViewer(nullptr);
    RegisterSpectrumFileServices(nullptr);
    RegisterMainWindowServices(nullptr);
    RegisterGroupStartup(nullptr);
    ResetProcessState();
  }
  // A new window over the same folder and host, as when the program starts again.
  KavoForm& Restart() {
    RegisterMainWindowServices(nullptr);
    ResetProcessState();
    SetProgramFolderForTests(folder.path());
    restarted = std::make_unique<KavoForm>(host, picture);
    RegisterMainWindowServices(restarted.get());
    return *restarted;
  }

  std::string SettingsPath() const { return folder.File("KAVO71.ini"); }
  void WriteSettings(const std::string& text) const {
    std::ofstream(SettingsPath(), std::ios::binary) << text;
  }
  std::string Settings() const {
    std::ifstream in(SettingsPath(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  // The start-up road; the first calculation has run afterwards (type 2, AB).
  void Load() {
    ASSERT_TRUE(form.Form_Load({}));
    boxes.Clear();
    picture.ops.clear();
  }

  // The user chooses a type button: it alone is selected, then its click runs.
  void ChooseType(int16_t type) {
    for (int t = 0; t < kTypeButtonCount; ++t) form.Controls().SetValue(Ctl::optType, t, t == type);
    form.OptType_Click(type);
  }
  const Control& Ctrl(Ctl id, int index = 0) { return form.Controls().Get(id, index); }
  SimParRec& Par(int16_t p) { return gSimPar[static_cast<size_t>(p)]; }
  // The row of a parameter, which must be on screen.
  int16_t RowOf(int16_t p) {
    const int16_t row = form.FrameFromPar(p);
    EXPECT_GE(row, 0) << "parameter " << p << " has no row";
    return row;
  }
  const std::string& RowText(int16_t p) { return Ctrl(Ctl::ParVal, RowOf(p)).Caption; }

  ScratchFolder folder;
  FakeKavoHost host;
  RecordingPictureBox picture;
  MsgBoxRecorder boxes;
  FakeSpectrumFiles spectra;
  RecordingHelpViewer help;
  KavoForm form;
  std::unique_ptr<KavoForm> restarted;
};
