// QString <-> program text (Windows-1252 bytes), for widgets and the clipboard.
#pragma once

#include <QString>

#include <optional>
#include <string>
#include <string_view>

QString ToQString(std::string_view cp1252);
// Characters Windows-1252 cannot hold become '?' (texts typed into widgets).
std::string FromQString(const QString& text);
// Nothing when a character cannot be held (paths: refuse rather than change the name).
std::optional<std::string> FromQStringExact(const QString& text);
// A path from a file dialog in Windows-1252. A path with characters the code page cannot hold
// is refused: the user is told (message box, exclamation icon) and nothing is returned.
std::optional<std::string> PathFromDialog(const QString& path);
