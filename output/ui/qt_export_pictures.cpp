#include "output/ui/qt_export_pictures.h"

#include <QApplication>
#include <QBuffer>
#include <QFrame>
#include <QImageWriter>
#include <QLabel>
#include <QPixmap>

#include <cmath>

#include "platform/ui/gdi/qt_painter_device.h"
#include "platform/ui/qt_color.h"

namespace {

constexpr int kTwipsPerPixel = 15;
constexpr int32_t kFrameBorderX = 110, kFrameBorderY = 180;

}  // namespace

QtExportPictures::QtExportPictures(QWidget* parent, QWidget* spacePicture)
    : fraWMF_(new QFrame(parent)), imgWMF_(new QLabel(fraWMF_)), space_(spacePicture) {
  fraWMF_->setObjectName("fraWMF");
  fraWMF_->setFrameShape(QFrame::Box);
  fraWMF_->setVisible(false);
  imgWMF_->setObjectName("imgWMF");
  imgWMF_->setScaledContents(true);
  imgWMF_->move(kFrameBorderX / 2 / kTwipsPerPixel, kFrameBorderY / 2 / kTwipsPerPixel);
}

QtExportPictures::~QtExportPictures() = default;

Device* QtExportPictures::PictureBegin(int32_t width, int32_t height, double scale,
                                       uint32_t fill) {
  drawing_.reset();
  metafile_.clear();
  const int w = std::max(1, int(std::lround(width * scale)));
  const int h = std::max(1, int(std::lround(height * scale)));
  picWMF_ = QImage(w, h, QImage::Format_RGB32);
  if (picWMF_.isNull()) return nullptr;
  // Filled with the background first (white too), so that a GIF's transparent colour is right.
  picWMF_.fill(ToQColor(fill));
  drawing_ = std::make_unique<QtPainterDevice>(&picWMF_);
  if (scale != 1.0) drawing_->painter().scale(double(w) / width, double(h) / height);
  return drawing_.get();
}

void QtExportPictures::PictureEnd(const std::string& metafileBytes, bool enhanced) {
  drawing_.reset();  // ends the painter
  metafile_ = metafileBytes;
  enhanced_ = enhanced;
}

std::string QtExportPictures::PictureEncoded(const char* format) {
  if (picWMF_.isNull()) return "";
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, format);
  if (!writer.write(picWMF_)) return "";
  const QByteArray& bytes = buffer.data();
  return std::string(bytes.constData(), size_t(bytes.size()));
}

std::vector<uint8_t> QtExportPictures::PictureDib() {
  if (picWMF_.isNull()) return {};
  const QImage rgb = picWMF_.convertToFormat(QImage::Format_RGB888);
  const uint32_t w = uint32_t(rgb.width()), h = uint32_t(rgb.height());
  const uint32_t stride = (w * 3 + 3) / 4 * 4;
  std::vector<uint8_t> dib(40 + size_t(stride) * h, 0);
  auto put32 = [&](size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) dib[at + size_t(i)] = uint8_t(v >> (8 * i));
  };
  put32(0, 40);
  put32(4, w);
  put32(8, h);
  dib[12] = 1;   // planes
  dib[14] = 24;  // bits
  put32(20, stride * h);
  for (uint32_t y = 0; y < h; ++y) {
    const uchar* row = rgb.constScanLine(int(h - 1 - y));
    uint8_t* out = dib.data() + 40 + size_t(y) * stride;
    for (uint32_t x = 0; x < w; ++x) {
      out[3 * x] = row[3 * x + 2];
      out[3 * x + 1] = row[3 * x + 1];
      out[3 * x + 2] = row[3 * x];
    }
  }
  return dib;
}

void QtExportPictures::ShowFrame(bool visible, int32_t widthTwips, int32_t heightTwips) {
  if (visible) {
    const int w = std::max(1, widthTwips / kTwipsPerPixel);
    const int h = std::max(1, heightTwips / kTwipsPerPixel);
    fraWMF_->resize(w, h);
    imgWMF_->resize(std::max(1, (widthTwips - kFrameBorderX) / kTwipsPerPixel),
                    std::max(1, (heightTwips - kFrameBorderY) / kTwipsPerPixel));
    imgWMF_->setPixmap(QPixmap::fromImage(picWMF_));
  }
  // The frame is only the holder of the export's picture: shown on the main window it would
  // cover the menu bar, the type list and the rows while the save dialog and the message are
  // open. It stays hidden.
  fraWMF_->setVisible(false);
}

int32_t QtExportPictures::SpacePictureWidthTwips() {
  return space_ ? space_->width() * kTwipsPerPixel : 0;
}
int32_t QtExportPictures::SpacePictureHeightTwips() {
  return space_ ? space_->height() * kTwipsPerPixel : 0;
}

Device* QtExportPictures::MeasureDevice() {
  if (!measure_) {
    measureImage_ = QImage(8, 8, QImage::Format_RGB32);
    measure_ = std::make_unique<QtPainterDevice>(&measureImage_);
  }
  return measure_.get();
}

void QtExportPictures::SetBusy(bool busy) {
  if (busy == busy_ || !qobject_cast<QApplication*>(QCoreApplication::instance())) return;
  busy_ = busy;
  if (busy) QApplication::setOverrideCursor(Qt::WaitCursor);
  else QApplication::restoreOverrideCursor();
}
