#include "platform/ui/qt_clipboard.h"

#include <QByteArray>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>

#include "platform/ui/qt_text.h"

namespace {

QClipboard* SystemClipboard() {
  return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) ? QGuiApplication::clipboard()
                                                                      : nullptr;
}

const QMimeData* Held() {
  QClipboard* clipboard = SystemClipboard();
  return clipboard ? clipboard->mimeData(QClipboard::Clipboard) : nullptr;
}

}  // namespace

bool QtClipboardDevice::Reachable() { return SystemClipboard() != nullptr; }

bool QtClipboardDevice::Publish(const ClipboardFormats& formats) {
  QClipboard* clipboard = SystemClipboard();
  if (!clipboard) return false;
  auto* mime = new QMimeData;
  if (formats.text) mime->setText(ToQString(*formats.text));
  for (const auto& [type, bytes] : formats.data)
    mime->setData(QString::fromLatin1(type.c_str()),
                  QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
  if (formats.image && !formats.imagePng.empty()) {
    const QImage image = QImage::fromData(
        reinterpret_cast<const uchar*>(formats.imagePng.data()),
        static_cast<int>(formats.imagePng.size()), "PNG");
    if (!image.isNull()) mime->setImageData(image);
  }
  clipboard->setMimeData(mime, QClipboard::Clipboard);
  published_ = mime;
  return true;
}

bool QtClipboardDevice::HoldsPublished() {
  return published_ != nullptr && Held() == published_;
}

std::optional<std::string> QtClipboardDevice::Text() {
  const QMimeData* mime = Held();
  if (!mime || !mime->hasText()) return std::nullopt;
  return FromQString(mime->text());
}

std::optional<std::string> QtClipboardDevice::Data(const std::string& type) {
  const QMimeData* mime = Held();
  const QString name = QString::fromLatin1(type.c_str());
  if (!mime || !mime->hasFormat(name)) return std::nullopt;
  const QByteArray bytes = mime->data(name);
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

bool QtClipboardDevice::HasImage() {
  const QMimeData* mime = Held();
  return mime && mime->hasImage();
}
