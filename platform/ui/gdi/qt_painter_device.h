// The device context on Qt: draws with a QPainter on a screen image, a bitmap (QImage) or a
// printer. Antialiasing is off, wide pens have round caps and joins, text is not kerned, and
// Symbol-face text is drawn from its byte codes; on a printer it also carries the characters
// those codes show, so that a printed PDF can be searched. Pixel access exists on QImage targets.
#pragma once

#include <QFont>
#include <QImage>
#include <QPainter>

#include "platform/gdi/device.h"

class QPaintDevice;

// The Qt family of a face name: "Arial", "Times New Roman" and "Symbol" are Liberation Sans,
// Liberation Serif and Standard Symbols PS; other faces are asked for by their own name.
QString QtFontFamily(const std::string& face);

class QtPainterDevice : public Device {
 public:
  // Draws on the paint device for the life of this object. When the target is a QImage, pixel
  // reads and writes go straight to it.
  explicit QtPainterDevice(QPaintDevice* target);
  ~QtPainterDevice() override;
  QtPainterDevice(const QtPainterDevice&) = delete;
  QtPainterDevice& operator=(const QtPainterDevice&) = delete;

  void SetPen(int32_t width, uint32_t color) override;
  void SetNullPen() override { painter_.setPen(Qt::NoPen); }
  void SetBrush(bool hollow, uint32_t color) override;
  void SetFont(const GdiFont& font) override;
  void SetTextColor(uint32_t color) override;
  void MoveTo(int32_t x, int32_t y) override;
  void LineTo(int32_t x, int32_t y) override;
  void Polyline(const std::vector<GdiPoint>& points) override;
  void Polygon(const std::vector<GdiPoint>& points) override;
  void Rectangle(int32_t left, int32_t top, int32_t right, int32_t bottom) override;
  void RoundRect(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t ellipseWidth,
                 int32_t ellipseHeight) override;
  void Ellipse(int32_t left, int32_t top, int32_t right, int32_t bottom) override;
  void SetPixel(int32_t x, int32_t y, uint32_t color) override;
  void FillRect(int32_t left, int32_t top, int32_t right, int32_t bottom, uint32_t color) override;
  void SetTextAlign(uint16_t align) override { textAlign_ = align; }
  void TextOut(int32_t x, int32_t y, const std::string& text) override;
  GdiSize TextExtent(const std::string& text) override;
  int32_t FontAscent() override;
  int32_t CurrentPenWidth() const override { return penWidth_; }
  uint32_t CurrentPenColor() const override { return penColor_bgr_; }
  GdiSize PixelSize() const override;
  bool HasPixelAccess() const override { return image_ != nullptr; }
  uint32_t GetPixel(int32_t x, int32_t y) override;

  QPainter& painter() { return painter_; }
  // The family the current font was matched to (without a foundry).
  QString ResolvedFamily() const;

 private:
  QString TextOf(const std::string& text) const;
  void ApplyPen();
  // One Symbol-face character on a printer: its glyph as an outline, and under it, invisible,
  // the Unicode character it shows, spread over the glyph's advance.
  void SymbolCharOut(int pen, QChar code, int advance);

  QPainter painter_;
  QImage* image_ = nullptr;
  bool printer_ = false;  // a printer or PDF target: Symbol-face text is carried as Unicode
  QPoint current_;
  int32_t penWidth_ = 1;
  QColor penColor_ = Qt::black;
  uint32_t penColor_bgr_ = 0;
  QColor textColor_ = Qt::black;
  QFont font_;
  GdiFont gdiFont_;
  uint16_t textAlign_ = kTextAlignBaseline;
};
