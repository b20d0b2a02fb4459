// The clipboard's plain text as program text (Windows-1252), with its line ends made CR LF.
// Empty when the clipboard holds no text.
#pragma once

#include <string>

std::string ClipboardTextCrLf();
