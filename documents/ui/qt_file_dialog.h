// The common file dialog on Qt: QFileDialog with the filter pairs of the request. Install once at
// start-up: SetFileDialogService(&dialogs).
#pragma once

#include <QStringList>

#include "documents/file_dialog.h"

class QtFileDialogService final : public FileDialogService {
 public:
  std::string Show(const FileDialogRequest& request) override;
};

// "Text files (*.txt)|*.txt|All (*.*)|*.*" as Qt name filters: "Text files (*.txt)", ...
QStringList QtNameFilters(const std::string& filter);
