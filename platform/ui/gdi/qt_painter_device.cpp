#include "platform/ui/gdi/qt_painter_device.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <QPolygon>

#include <cmath>

#include "platform/ui/qt_color.h"
#include "platform/ui/qt_text.h"

QtPainterDevice::QtPainterDevice(QPaintDevice* target) {
  if (target && target->devType() == QInternal::Image) image_ = static_cast<QImage*>(target);
  painter_.begin(target);
  painter_.setRenderHint(QPainter::Antialiasing, false);
  // No grey edge pixels around text either: exported bitmaps may have a transparent background.
  painter_.setRenderHint(QPainter::TextAntialiasing, false);
  painter_.setBrush(Qt::NoBrush);
  ApplyPen();
  SetFont(gdiFont_);
}

QtPainterDevice::~QtPainterDevice() {
  if (painter_.isActive()) painter_.end();
}

void QtPainterDevice::ApplyPen() {
  QPen pen(penColor_);
  pen.setWidth(penWidth_ > 1 ? penWidth_ : 0);  // 0: a cosmetic one-pixel pen
  pen.setCapStyle(Qt::RoundCap);
  pen.setJoinStyle(Qt::RoundJoin);
  painter_.setPen(pen);
}

void QtPainterDevice::SetPen(int32_t width, uint32_t color) {
  penWidth_ = width;
  penColor_ = ToQColor(color);
  penColor_bgr_ = color;
  ApplyPen();
}

void QtPainterDevice::SetBrush(bool hollow, uint32_t color) {
  if (hollow) painter_.setBrush(Qt::NoBrush);
  else painter_.setBrush(QBrush(ToQColor(color)));
}

void QtPainterDevice::SetFont(const GdiFont& f) {
  gdiFont_ = f;
  QFont font(QString::fromLatin1(f.face.c_str()));
  font.setPixelSize(std::max(1, std::abs(f.height)));
  font.setWeight(f.weight >= 700 ? QFont::Bold : QFont::Normal);
  font.setItalic(f.italic);
  font.setUnderline(f.underline);
  font.setKerning(false);
  font.setStyleStrategy(QFont::NoAntialias);
  font_ = font;
  painter_.setFont(font_);
}

void QtPainterDevice::SetTextColor(uint32_t color) { textColor_ = ToQColor(color); }

void QtPainterDevice::MoveTo(int32_t x, int32_t y) { current_ = QPoint(x, y); }

void QtPainterDevice::LineTo(int32_t x, int32_t y) {
  const QPoint to(x, y);
  if (to != current_) painter_.drawLine(current_, to);
  current_ = to;
}

void QtPainterDevice::Polyline(const std::vector<GdiPoint>& points) {
  QPolygon poly;
  for (const GdiPoint& p : points) poly << QPoint(p.x, p.y);
  painter_.drawPolyline(poly);
}

void QtPainterDevice::Polygon(const std::vector<GdiPoint>& points) {
  QPolygon poly;
  for (const GdiPoint& p : points) poly << QPoint(p.x, p.y);
  painter_.drawPolygon(poly, Qt::WindingFill);
}

void QtPainterDevice::Rectangle(int32_t l, int32_t t, int32_t r, int32_t b) {
  painter_.drawRect(QRect(QPoint(l, t), QPoint(r - 1, b - 1)));
}

void QtPainterDevice::RoundRect(int32_t l, int32_t t, int32_t r, int32_t b, int32_t ew,
                                int32_t eh) {
  painter_.drawRoundedRect(QRect(QPoint(l, t), QPoint(r - 1, b - 1)), ew / 2.0, eh / 2.0);
}

void QtPainterDevice::Ellipse(int32_t l, int32_t t, int32_t r, int32_t b) {
  painter_.drawEllipse(QRect(QPoint(l, t), QPoint(r - 1, b - 1)));
}

void QtPainterDevice::SetPixel(int32_t x, int32_t y, uint32_t color) {
  painter_.save();
  painter_.setPen(QPen(ToQColor(color), 0));
  painter_.drawPoint(x, y);
  painter_.restore();
}

void QtPainterDevice::FillRect(int32_t l, int32_t t, int32_t r, int32_t b, uint32_t color) {
  painter_.fillRect(QRect(QPoint(l, t), QPoint(r - 1, b - 1)), ToQColor(color));
}

QString QtPainterDevice::TextOf(const std::string& text) const {
  // The Symbol face is addressed by byte codes; other faces by Windows-1252 characters.
  if (gdiFont_.face == "Symbol") {
    QString out;
    for (unsigned char c : text) out += QChar(char16_t(0xF000 + c));
    return out;
  }
  return ToQString(text);
}

void QtPainterDevice::TextOut(int32_t x, int32_t y, const std::string& text) {
  if (textAlign_ & kTextAlignUpdateCP) {
    x = current_.x();
    y = current_.y();
    const GdiPoint next =
        AdvanceAlongBaseline({x, y}, TextExtent(text).cx, gdiFont_.escapement);
    current_ = QPoint(next.x, next.y);
  }
  painter_.save();
  painter_.setPen(textColor_);
  painter_.translate(x, y);
  if (gdiFont_.escapement != 0) painter_.rotate(-gdiFont_.escapement / 10.0);
  // Character by character at whole-pixel advances, as the extent measures them.
  QFontMetrics metrics(font_, painter_.device());
  int pen = 0;
  for (QChar ch : TextOf(text)) {
    painter_.drawText(QPoint(pen, 0), QString(ch));
    pen += metrics.horizontalAdvance(ch);
  }
  painter_.restore();
}

GdiSize QtPainterDevice::TextExtent(const std::string& text) {
  // The sum of whole-pixel character advances, without kerning.
  QFontMetrics metrics(font_, painter_.device());
  int width = 0;
  for (QChar ch : TextOf(text)) width += metrics.horizontalAdvance(ch);
  return {width, metrics.height()};
}

int32_t QtPainterDevice::FontAscent() { return QFontMetrics(font_, painter_.device()).ascent(); }

uint32_t QtPainterDevice::GetPixel(int32_t x, int32_t y) {
  if (!image_ || x < 0 || y < 0 || x >= image_->width() || y >= image_->height()) return 0;
  return FromQColor(image_->pixelColor(x, y));
}

GdiSize QtPainterDevice::PixelSize() const {
  const QPaintDevice* d = painter_.device();
  if (!d) return {};
  return {d->width(), d->height()};
}
