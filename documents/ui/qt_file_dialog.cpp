#include "documents/ui/qt_file_dialog.h"

#include <QApplication>
#include <QFileDialog>

#include "platform/paths.h"
#include "platform/ui/qt_text.h"

QStringList QtNameFilters(const std::string& filter) {
  const QStringList parts = ToQString(filter).split('|');
  QStringList filters;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    const QString patterns = QString(parts[i + 1]).replace(';', ' ');
    const QString name = parts[i].trimmed();
    filters << (name.contains('(') ? name : name + " (" + patterns + ")");
  }
  return filters;
}

std::string QtFileDialogService::Show(const FileDialogRequest& request) {
  QFileDialog dialog(QApplication::activeWindow(), ToQString(request.title),
                     QString::fromStdString(NativePath(request.folder)));
  dialog.setAcceptMode(request.open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
  dialog.setFileMode(request.open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  if (!(request.flags & kOfnOverwritePrompt)) dialog.setOption(QFileDialog::DontConfirmOverwrite);
  const QStringList filters = QtNameFilters(request.filter);
  if (!filters.isEmpty()) dialog.setNameFilters(filters);
  if (!request.fileName.empty()) dialog.selectFile(QString::fromStdString(NativePath(request.fileName)));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return "";
  const std::optional<std::string> path = PathFromDialog(dialog.selectedFiles().front());
  return path ? *path : "";
}
