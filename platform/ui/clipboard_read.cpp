#include "platform/ui/clipboard_read.h"

#include <QClipboard>
#include <QGuiApplication>

#include "platform/line_ends.h"
#include "platform/ui/qt_text.h"

std::string ClipboardTextCrLf() {
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (!clipboard) return {};
  return CrLfLineEnds(FromQString(clipboard->text()));
}
