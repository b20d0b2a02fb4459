#include "platform/ui/picture_widget.h"

#include <QEvent>
#include <QFontInfo>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

#include <algorithm>
#include <cmath>

#include "platform/ui/qt_color.h"
#include "platform/ui/qt_text.h"

int RuntimeButtonCode(Qt::MouseButtons buttons) {
  int code = 0;
  if (buttons & Qt::LeftButton) code |= 1;
  if (buttons & Qt::RightButton) code |= 2;
  if (buttons & Qt::MiddleButton) code |= 4;
  return code;
}

int RuntimeShiftCode(Qt::KeyboardModifiers modifiers) {
  int code = 0;
  if (modifiers & Qt::ShiftModifier) code |= 1;
  if (modifiers & Qt::ControlModifier) code |= 2;
  if (modifiers & Qt::AltModifier) code |= 4;
  return code;
}

Qt::CursorShape CursorForMousePointer(int16_t pointer) {
  switch (pointer) {
    case 2: return Qt::CrossCursor;
    case 3: return Qt::IBeamCursor;
    case 5: case 15: return Qt::SizeAllCursor;
    case 6: return Qt::SizeBDiagCursor;
    case 7: return Qt::SizeVerCursor;
    case 8: return Qt::SizeFDiagCursor;
    case 9: return Qt::SizeHorCursor;
    case 10: return Qt::UpArrowCursor;
    case 11: return Qt::WaitCursor;
    case 12: return Qt::ForbiddenCursor;
    case 13: return Qt::BusyCursor;
    case 14: return Qt::WhatsThisCursor;
    default: return Qt::ArrowCursor;
  }
}

float TwipsPerPixelAt(int logicalDpi) {
  return logicalDpi > 0 ? 1440.0f / static_cast<float>(logicalDpi) : 15.0f;
}

namespace {

Qt::PenStyle PenStyleFor(int16_t drawStyle) {
  switch (drawStyle) {
    case 1: return Qt::DashLine;
    case PictureBox::kDrawStyleDot: return Qt::DotLine;
    case 3: return Qt::DashDotLine;
    case 4: return Qt::DashDotDotLine;
    case 5: return Qt::NoPen;  // transparent
    default: return Qt::SolidLine;
  }
}

// Far outside any screen, but safe to round to an int.
constexpr float kMaxPixel = 1.0e6f;

}  // namespace

PictureWidget::PictureWidget(QWidget* parent) : QWidget(parent) {
  QFont font(QStringLiteral("Arial"), 8);
  font.setStyleStrategy(QFont::NoAntialias);
  setFont(font);
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  AllocateImage();
}

float PictureWidget::TwipsPerPixelX() const { return TwipsPerPixelAt(logicalDpiX()); }
float PictureWidget::TwipsPerPixelY() const { return TwipsPerPixelAt(logicalDpiY()); }
float PictureWidget::ScaleWidth() const { return static_cast<float>(width()) * TwipsPerPixelX(); }
float PictureWidget::ScaleHeight() const {
  return static_cast<float>(height()) * TwipsPerPixelY();
}

qreal PictureWidget::PixelRatio() const {
  return pixelRatioForTests_ > 0 ? pixelRatioForTests_ : devicePixelRatioF();
}

void PictureWidget::SetPixelRatioForTests(qreal ratio) {
  pixelRatioForTests_ = ratio;
  AllocateImage();
}

QSize PictureWidget::ImagePixels() const {
  const qreal ratio = PixelRatio();
  return {std::max(1, static_cast<int>(std::lround(width() * ratio))),
          std::max(1, static_cast<int>(std::lround(height() * ratio)))};
}

void PictureWidget::AllocateImage() {
  image_ = QImage(ImagePixels(), QImage::Format_RGB32);
  image_.setDevicePixelRatio(PixelRatio());
  image_.fill(ToQColor(BackColor));
}

void PictureWidget::EnsureImage() {
  if (image_.devicePixelRatio() != PixelRatio() || image_.size() != ImagePixels())
    AllocateImage();
}

QImage& PictureWidget::DrawingImage() {
  EnsureImage();
  update();
  return image_;
}

void PictureWidget::StartAgain() {
  AllocateImage();
  update();
  if (repaintPending_) return;
  repaintPending_ = true;
  QTimer::singleShot(0, this, [this] {
    repaintPending_ = false;
    emit repaintNeeded();
  });
}

QPoint PictureWidget::ToPixels(float x, float y) const {
  auto pixel = [](float twips, float perPixel) {
    return static_cast<int>(std::lround(std::clamp(twips / perPixel, -kMaxPixel, kMaxPixel)));
  };
  return {pixel(x, TwipsPerPixelX()), pixel(y, TwipsPerPixelY())};
}

void PictureWidget::BeginDrawing(QPainter& painter, uint32_t color) {
  EnsureImage();
  painter.begin(&image_);
  painter.setRenderHint(QPainter::Antialiasing, false);
  QPen pen(ToQColor(color));
  pen.setWidth(DrawWidth > 1 ? DrawWidth : 0);  // 0: cosmetic, one pixel
  pen.setStyle(PenStyleFor(DrawStyle));
  painter.setPen(pen);
  painter.setBrush(Qt::NoBrush);
  painter.setCompositionMode(DrawMode == kDrawModeXorPen
                                 ? QPainter::RasterOp_SourceXorDestination
                                 : QPainter::CompositionMode_SourceOver);
  update();
}

void PictureWidget::Cls() {
  EnsureImage();
  image_.fill(ToQColor(BackColor));
  CurrentX = 0;
  CurrentY = 0;
  update();
}

void PictureWidget::Line(float x1, float y1, float x2, float y2, uint32_t color) {
  QPainter painter;
  BeginDrawing(painter, color);
  const QPoint from = ToPixels(x1, y1), to = ToPixels(x2, y2);
  if (from == to) painter.drawPoint(from);
  else painter.drawLine(from, to);
  CurrentX = x2;
  CurrentY = y2;
}

void PictureWidget::Box(float x1, float y1, float x2, float y2, uint32_t color) {
  QPainter painter;
  BeginDrawing(painter, color);
  const QPoint a = ToPixels(x1, y1), b = ToPixels(x2, y2);
  const int left = std::min(a.x(), b.x()), top = std::min(a.y(), b.y());
  // A stroked rectangle covers its corners: (left, top) to (left + w, top + h).
  painter.drawRect(QRect(left, top, std::abs(a.x() - b.x()), std::abs(a.y() - b.y())));
  CurrentX = x2;
  CurrentY = y2;
}

void PictureWidget::PSet(float x, float y, uint32_t color) {
  QPainter painter;
  BeginDrawing(painter, color);
  painter.fillRect(QRect(ToPixels(x, y), QSize(1, 1)), ToQColor(color));
  CurrentX = x;
  CurrentY = y;
}

QFont PictureWidget::TextFont() const {
  // Fixed in pixels so that measuring (widget) and drawing (image) agree.
  QFont text = font();
  text.setPixelSize(std::max(1, QFontInfo(font()).pixelSize()));
  text.setStyleStrategy(QFont::NoAntialias);
  text.setKerning(false);
  return text;
}

void PictureWidget::Print(const std::string& text) {
  EnsureImage();
  const QFont face = TextFont();
  const QFontMetrics metrics(face);
  QPainter painter(&image_);
  painter.setRenderHint(QPainter::TextAntialiasing, false);
  painter.setFont(face);
  painter.setPen(ToQColor(ForeColor));
  const QPoint topLeft = ToPixels(CurrentX, CurrentY);
  painter.drawText(QPoint(topLeft.x(), topLeft.y() + metrics.ascent()), ToQString(text));
  CurrentX = 0;
  CurrentY += TextHeight(text);
  update();
}

float PictureWidget::TextWidth(const std::string& text) const {
  return static_cast<float>(QFontMetrics(TextFont()).horizontalAdvance(ToQString(text))) *
         TwipsPerPixelX();
}

float PictureWidget::TextHeight(const std::string&) const {
  return static_cast<float>(QFontMetrics(TextFont()).height()) * TwipsPerPixelY();
}

void PictureWidget::SetMousePointer(int16_t pointer) {
  mousePointer_ = pointer;
  if (pointer == 0) unsetCursor();
  else setCursor(CursorForMousePointer(pointer));
}

bool PictureWidget::event(QEvent* event) {
  // Another screen may have another pixel ratio and DPI: the picture is drawn again.
  if (event->type() == QEvent::ScreenChangeInternal) StartAgain();
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
  if (event->type() == QEvent::DevicePixelRatioChange) StartAgain();
#endif
  return QWidget::event(event);
}

void PictureWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(0, 0, image_);
  for (const std::optional<Overlay>& shape : overlays) {
    if (!shape) continue;
    QPen pen(ToQColor(shape->color), 0, shape->box ? Qt::SolidLine : Qt::DotLine);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    const QPoint a = ToPixels(shape->x1, shape->y1), b = ToPixels(shape->x2, shape->y2);
    if (shape->box) painter.drawRect(QRect(a, b).normalized());
    else painter.drawLine(a, b);
  }
}

void PictureWidget::resizeEvent(QResizeEvent*) { StartAgain(); }

void PictureWidget::Report(QMouseEvent* event, int button,
                           void (PictureWidget::*signal)(int, int, float, float)) {
  const QPointF at = event->position();
  emit(this->*signal)(button, RuntimeShiftCode(event->modifiers()),
                      static_cast<float>(at.x()) * TwipsPerPixelX(),
                      static_cast<float>(at.y()) * TwipsPerPixelY());
}

void PictureWidget::mousePressEvent(QMouseEvent* event) {
  Report(event, RuntimeButtonCode(event->button()), &PictureWidget::mouseDown);
}

void PictureWidget::mouseMoveEvent(QMouseEvent* event) {
  Report(event, RuntimeButtonCode(event->buttons()), &PictureWidget::mouseMove);
}

void PictureWidget::mouseReleaseEvent(QMouseEvent* event) {
  Report(event, RuntimeButtonCode(event->button()), &PictureWidget::mouseUp);
}
