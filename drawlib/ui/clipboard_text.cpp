#include "drawlib/ui/clipboard_text.h"

#include <QClipboard>
#include <QGuiApplication>

#include "drawlib/util/error_location.h"
#include "drawlib/util/file_error.h"
#include "platform/ui/qt_text.h"

void ClipboardSetText(std::string_view text, std::string_view) {
  ErrorLocation = 5201;
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (!clipboard) {
    ErrorLocation = 5204;
    std::string message;
    int16_t show = 1;
    FileErrorMsg(521, " In ZEF1CLIP.ClipboardSetText ", message, "", show,
                 "Can't open Clipboard");
    return;
  }
  clipboard->setText(ToQString(text));
  ErrorLocation = 5202;
}
