#include "platform/ui/qt_text.h"

#include "platform/cp1252.h"
#include "platform/msgbox.h"
#include "platform/paths.h"

QString ToQString(std::string_view cp1252) {
  std::u16string u = Cp1252ToUtf16(cp1252);
  return QString::fromUtf16(u.data(), static_cast<qsizetype>(u.size()));
}

std::string FromQString(const QString& text) {
  return Utf16ToCp1252Lossy(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                                                static_cast<std::size_t>(text.size())));
}

std::optional<std::string> FromQStringExact(const QString& text) {
  return Utf16ToCp1252(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                                           static_cast<std::size_t>(text.size())));
}

std::optional<std::string> PathFromDialog(const QString& path) {
  auto p = FromQStringExact(path);
  if (!p) MsgBox(UnrepresentablePathMessage(path.toStdString()), vbExclamation);
  return p;
}
