// Arbitrary bytes as the settings file KAVO71.ini: the main window starts (file start-up,
// settings, the parameter limits, the first type and calculation) and shuts down, and what it
// wrote must read back the same at the next start.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "documents/file_startup.h"
#include "documents/spec_record.h"
#include "drawlib/drawlib_init.h"
#include "drawlib/ini/libr_ini.h"
#include "engine/engine_globals.h"
#include "engine/mainwin_services.h"
#include "fuzz/silent_boxes.h"
#include "mainwin/kavo_form.h"
#include "platform/atomic_file.h"
#include "platform/paths.h"
#include "platform/recording_picture_box.h"
#include "tests/mainwin/fake_kavo_host.h"

namespace {

void Check(bool ok, const char* what) {
  if (!ok) {
    std::fprintf(stderr, "main window fuzz check failed: %s\n", what);
    std::abort();
  }
}

// A program folder of this process with the data file; the settings file lives beside it.
const std::string& ProgramFolderWithData() {
  static const std::string folder = [] {
    const std::string f = PathJoin(TempFolder(), "fuzz_mainwin_" + std::to_string(::getpid()));
    std::filesystem::create_directories(f);
    std::filesystem::copy_file(KAVO71_DAT_PATH, PathJoin(f, "KAVO71.dat"),
                               std::filesystem::copy_options::overwrite_existing);
    return f;
  }();
  return folder;
}

struct Started {
  int16_t toggles, disableRef;
  std::string recent[kRecentFiles];
};

// One start of the window over the settings file now on disk.
Started StartAndQuit() {
  ResetEngineState();
  FileStartupReset();
  IniResetForTests();
  DrawLibReset();
  SpecRecordReset();
  FakeKavoHost host;
  RecordingPictureBox picture(9000, 5000);
  KavoForm form(host, picture);
  RegisterMainWindowServices(&form);
  Check(form.Form_Load({}), "start-up goes on with the data file present");
  Check(gDisableRef == 0 || gDisableRef == -1, "DisableRef is a Boolean");
  Check(form.ParScrnMax() >= 0 && form.ParScrnMax() <= 13, "row count in range");
  Started seen{gPrintBoxToggles, gDisableRef, {}};
  for (int i = 0; i < kRecentFiles; ++i) {
    const Control& item = form.Controls().Get(Ctl::mnufList, i);
    Check(item.Visible == !item.Caption.empty() || i == 0, "a recent file shows when named");
    seen.recent[i] = item.Caption;
  }
  int16_t cancel = 0;
  form.Form_QueryUnload(cancel, 0);
  RegisterMainWindowServices(nullptr);
  return seen;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static SilentBoxes boxes;
  SetMsgBoxHandler(&boxes);
  const std::string& folder = ProgramFolderWithData();
  SetProgramFolderForTests(folder);
  const std::string settings = PathJoin(folder, "KAVO71.ini");
  std::filesystem::remove(PathJoin(folder, "default.sim"));
  if (!WriteFileAtomic(settings, std::string_view(reinterpret_cast<const char*>(data), size)))
    return 0;

  const Started first = StartAndQuit();
  const Started second = StartAndQuit();
  Check(second.toggles == first.toggles, "toggles read back");
  Check(second.disableRef == first.disableRef, "DisableRef reads back");
  for (int i = 1; i < kRecentFiles; ++i)
    Check(second.recent[i] == first.recent[i], "recent files read back");
  return 0;
}
