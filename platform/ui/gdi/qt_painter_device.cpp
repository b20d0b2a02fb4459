#include "platform/ui/gdi/qt_painter_device.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QPaintDevice>
#include <QPainterPath>
#include <QPolygon>

#include <algorithm>
#include <cmath>

#include "platform/gdi/symbol_unicode.h"
#include "platform/ui/qt_color.h"
#include "platform/ui/qt_text.h"

QtPainterDevice::QtPainterDevice(QPaintDevice* target) {
  if (target && target->devType() == QInternal::Image) image_ = static_cast<QImage*>(target);
  printer_ = target && target->devType() == QInternal::Printer;
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

QString QtFontFamily(const std::string& face) {
  // The Windows faces the drawings name, as the fonts installed here provide them.
  if (face == "Arial") return QStringLiteral("Liberation Sans");
  if (face == "Times New Roman") return QStringLiteral("Liberation Serif");
  if (face == "Symbol") return QStringLiteral("Standard Symbols PS");
  return ToQString(face);
}

void QtPainterDevice::SetFont(const GdiFont& f) {
  gdiFont_ = f;
  QFont font(QtFontFamily(f.face));
  // Beyond this size a letter is larger than any page; Qt would only spend time on it.
  constexpr int kLargestPixelSize = 16384;
  font.setPixelSize(std::clamp(std::abs(f.height), 1, kLargestPixelSize));
  font.setWeight(f.weight >= 700 ? QFont::Bold : QFont::Normal);
  font.setItalic(f.italic);
  // The underline is drawn under the whole text (TextOut), not under each character.
  font.setUnderline(false);
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
  // The Symbol face is addressed by byte codes, which Standard Symbols PS maps at the Latin-1
  // code points (0x61 alpha, 0xB0 degree); other faces by Windows-1252 characters.
  if (gdiFont_.face == "Symbol") {
    QString out;
    for (unsigned char c : text) out += QChar(char16_t(c));
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
  const bool symbolAsUnicode = printer_ && gdiFont_.face == "Symbol";
  int pen = 0;
  for (QChar ch : TextOf(text)) {
    const int advance = metrics.horizontalAdvance(ch);
    if (symbolAsUnicode) SymbolCharOut(pen, ch, advance);
    else painter_.drawText(QPoint(pen, 0), QString(ch));
    pen += advance;
  }
  if (gdiFont_.underline && pen > 0)
    painter_.fillRect(QRect(0, metrics.underlinePos(), pen, std::max(1, metrics.lineWidth())),
                      textColor_);
  painter_.restore();
}

void QtPainterDevice::SymbolCharOut(int pen, QChar code, int advance) {
  // A PDF names a glyph's character by the lowest code the font maps to it, and the Symbol
  // font maps its byte codes (Latin letters) to the Greek glyphs: drawn as text, alpha would
  // read as "a". So the glyph is drawn as its outline (the same look) and the character it
  // shows is laid under it as invisible text in a font that has it.
  QPainterPath outline;
  outline.addText(QPointF(pen, 0), font_, QString(code));
  painter_.fillPath(outline, textColor_);
  const char32_t shown = SymbolCodeToUnicode(static_cast<unsigned char>(code.unicode()));
  if (shown == 0 || shown == U' ') return;
  QFont carrier(QtFontFamily("Times New Roman"));
  carrier.setPixelSize(font_.pixelSize());
  carrier.setWeight(font_.weight());
  carrier.setItalic(font_.italic());
  carrier.setKerning(false);
  const QString character = QString::fromUcs4(&shown, 1);
  const int carrierAdvance = QFontMetrics(carrier, painter_.device()).horizontalAdvance(character);
  painter_.save();
  painter_.setFont(carrier);
  painter_.setPen(QColor(0, 0, 0, 0));
  painter_.translate(pen, 0);
  if (carrierAdvance > 0 && advance > 0) painter_.scale(double(advance) / carrierAdvance, 1.0);
  painter_.drawText(QPoint(0, 0), character);
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

QString QtPainterDevice::ResolvedFamily() const {
  // Without the foundry Qt adds when two foundries offer the family ("... [URW ]").
  QString family = QFontInfo(font_).family();
  const qsizetype foundry = family.indexOf(QStringLiteral(" ["));
  return foundry > 0 ? family.left(foundry) : family;
}

GdiSize QtPainterDevice::PixelSize() const {
  const QPaintDevice* d = painter_.device();
  if (!d) return {};
  return {d->width(), d->height()};
}
