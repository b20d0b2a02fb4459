// Arbitrary text pasted into the group editor's grid: Paste, Copy, Paste, Copy gives the same
// text twice, whatever the clipboard held.
#include <cstdint>
#include <string>

#include "drawlib/drawlib_init.h"
#include "drawlib/ini/libr_ini.h"
#include "drawlib/pardata.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/run_folder.h"
#include "fuzz/silent_boxes.h"
#include "groups/group_file.h"
#include "groups/sim_editor.h"
#include "platform/atomic_file_seam.h"
#include "platform/clipboard.h"

namespace {

std::string CopyAfterPaste(SimEditor& editor, const std::string& text) {
  ClipboardReset();
  ClipboardAddText(text);
  editor.cmdPaste_Click();
  editor.cmdCopy_Click();
  return ClipboardText().value_or("");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static SilentBoxes boxes;
  static const RunFolder folder;
  static SimEditor editor;
  static const bool setUp = [] {
    SetMsgBoxHandler(&boxes);
    AtomicWriteSkipSyncForTests(true);
    IniRegisterFile(folder.File("KAVO71.ini"));
    PardataBuild();
    const std::string path = folder.File("paste.sim");
    for (int16_t i = 0; i < 3; ++i) {
      SimItem item;
      item.Type = "18";
      item.Name = "Item" + std::to_string(i);
      SimItemSave(item, i, path, i == 0);
    }
    editor.SetTag(path);
    editor.Form_Activate();
    FuzzCheck(editor.Visible(), "the editor shows the group");
    return true;
  }();
  (void)setUp;
  const std::string input(reinterpret_cast<const char*>(data), size);
  const std::string once = CopyAfterPaste(editor, input);
  const std::string twice = CopyAfterPaste(editor, once);
  FuzzCheck(once == twice, "Paste, Copy, Paste, Copy gives the same text");
  return 0;
}
