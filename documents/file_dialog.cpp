#include "documents/file_dialog.h"

#include "drawlib/device/draw_options.h"
#include "drawlib/util/error_location.h"


namespace {
FileDialogService* mService = nullptr;
}  // namespace

void SetFileDialogService(FileDialogService* service) { mService = service; }

std::string FileDialog(const std::string& title, const std::string& fileName,
                       const std::string& folder, const std::string& filter, int32_t flags,
                       int16_t mode) {
  ErrorLocation = 5533;
  std::string chosen;
  if ((DrawOptions & 0x2000) == 0 && mService != nullptr) {
    FileDialogRequest request{title, fileName, folder, filter,
                              flags & (kOfnReadOnly | kOfnOverwritePrompt), (mode & 1) != 0};
    chosen = mService->Show(request);
  }
  ErrorLocation = 5534;
  return chosen;
}
