#include "output/ui/page_picture.h"

#include <QPainter>

#include "platform/ui/gdi/qt_painter_device.h"
#include "platform/ui/qt_color.h"

PagePicture::PagePicture(QWidget* parent) : PictureWidget(parent) {}
PagePicture::~PagePicture() = default;

Device* PagePicture::DeviceContext() { return device_.get(); }

void PagePicture::BeginDrawing() {
  device_.reset();
  Cls();
  device_ = std::make_unique<QtPainterDevice>(&DrawingImage());
}

void PagePicture::EndDrawing() {
  device_.reset();
  update();
}

void PagePicture::SetFrame(std::vector<PixelShape> shapes) {
  frame_ = std::move(shapes);
  update();
}

QImage PagePicture::Composed() const {
  QImage shown = image().copy();
  shown.setDevicePixelRatio(image().devicePixelRatio());
  QPainter painter(&shown);
  painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  for (const PixelShape& s : frame_) {
    const QColor c = ToQColor(s.color);
    if (s.filled) {
      painter.fillRect(s.rect, c);
    } else {
      painter.setPen(QPen(c, 0));
      painter.setBrush(Qt::NoBrush);
      painter.drawRect(s.rect);
    }
  }
  return shown;
}

void PagePicture::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(QPoint(0, 0), Composed());
}
