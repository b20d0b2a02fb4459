#include "drawlib/util/clipboard_text.h"

#include "drawlib/util/error_location.h"
#include "drawlib/util/file_error.h"
#include "platform/clipboard.h"

void ClipboardSetText(std::string_view text, std::string_view) {
  ErrorLocation = 5201;
  if (!ClipboardAddText(text)) {
    ErrorLocation = 5204;
    std::string message;
    int16_t show = 1;
    FileErrorMsg(521, " In ZEF1CLIP.ClipboardSetText ", message, "", show,
                 "Can't open Clipboard");
    return;
  }
  ErrorLocation = 5202;
}
