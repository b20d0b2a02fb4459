// The common file dialog, which the main window provides as a service.
#pragma once

#include <cstdint>
#include <string>

// Open-file flags that pass to the dialog.
inline constexpr int32_t kOfnReadOnly = 1;         // read-only box ticked
inline constexpr int32_t kOfnOverwritePrompt = 2;  // ask before overwriting

struct FileDialogRequest {
  std::string title;
  std::string fileName;  // initial file name
  std::string folder;    // initial folder
  std::string filter;    // description and pattern pairs, all separated by "|"
  int32_t flags = 0;     // kOfnReadOnly, kOfnOverwritePrompt
  bool open = true;      // Open dialog, else Save dialog
};

class FileDialogService {
 public:
  virtual ~FileDialogService() = default;
  // The chosen path, or "" when the user cancels or the dialog fails.
  virtual std::string Show(const FileDialogRequest& request) = 0;
};

// Registers the service (not owned); nullptr removes it, and FileDialog then answers as Cancel.
void SetFileDialogService(FileDialogService* service);

// Shows the Open dialog when bit 0 of `mode` is set, else the Save dialog; returns the chosen path
// or "" (cancel, error, no service, or bit 0x2000 of DrawOptions set). Only flags 1 and 2 pass.
std::string FileDialog(const std::string& title, const std::string& fileName,
                       const std::string& folder, const std::string& filter, int32_t flags,
                       int16_t mode);
