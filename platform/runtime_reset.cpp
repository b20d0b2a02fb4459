#include "platform/runtime_reset.h"

#include "platform/msgbox.h"
#include "platform/paths.h"

void ResetPlatformRuntime() {
  SetMsgBoxHandler(nullptr);
  SetDefaultMsgBoxTitle("VIREO");
  SetProgramFolderForTests("");
}
