// The picture box on Qt: a widget with a persistent image that code draws into at any time with
// the runtime's calls in twips. The image has one drawing point per logical pixel at the
// screen's pixel ratio; paint events only show it. When the size or the screen changes, the
// image starts again in BackColor and repaintNeeded() asks the owner (once, from the event loop)
// to draw it anew. Mouse events are reported in twips with the runtime's button and shift codes.
#pragma once

#include <QImage>
#include <QWidget>

#include <cstdint>
#include <string>

#include "platform/picture_box.h"

class QPainter;

// Runtime mouse codes: buttons 1 left, 2 right, 4 middle (a mask when several are held);
// shift 1 Shift, 2 Ctrl, 4 Alt.
int RuntimeButtonCode(Qt::MouseButtons buttons);
int RuntimeShiftCode(Qt::KeyboardModifiers modifiers);
// The cursor for a runtime MousePointer value (0 default arrow, 7 north-south, 9 west-east,
// 11 hourglass, ...); unknown values give the arrow.
Qt::CursorShape CursorForMousePointer(int16_t pointer);
// Twips per logical pixel at a logical DPI: 1440 / dpi (15 at 96 DPI).
float TwipsPerPixelAt(int logicalDpi);

class PictureWidget : public QWidget, public PictureBox {
  Q_OBJECT

 public:
  explicit PictureWidget(QWidget* parent = nullptr);

  float ScaleWidth() const override;
  float ScaleHeight() const override;
  float TwipsPerPixelX() const override;
  float TwipsPerPixelY() const override;

  void Cls() override;
  void Line(float x1, float y1, float x2, float y2, uint32_t color) override;
  void Box(float x1, float y1, float x2, float y2, uint32_t color) override;
  void PSet(float x, float y, uint32_t color) override;
  void Print(const std::string& text) override;
  float TextWidth(const std::string& text) const override;
  float TextHeight(const std::string& text) const override;
  void Refresh() override { update(); }
  void OverlaysChanged() override { update(); }

  void SetMousePointer(int16_t pointer);
  int16_t MousePointer() const { return mousePointer_; }

  // What has been drawn (physical pixels; its device pixel ratio is the widget's).
  const QImage& image() const { return image_; }
  // The image of the widget's size for drawing on with a painter of one's own; the widget
  // shows it at the next paint.
  QImage& DrawingImage();
  // Draws at this pixel ratio in place of the screen's (0: the screen's), for tests.
  void SetPixelRatioForTests(qreal ratio);

 signals:
  // The image was cleared (new size or screen); the owner draws the picture again.
  void repaintNeeded();
  void mouseDown(int button, int shift, float x, float y);
  void mouseMove(int button, int shift, float x, float y);
  void mouseUp(int button, int shift, float x, float y);

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  qreal PixelRatio() const;
  // The image size in physical pixels for the widget's size (at least 1 x 1).
  QSize ImagePixels() const;
  // A new image of the widget's size in BackColor.
  void AllocateImage();
  // A new image in BackColor when the size or pixel ratio no longer match the widget.
  void EnsureImage();
  // Starts the image again and asks the owner, once per event-loop turn, to redraw.
  void StartAgain();
  // Twips to logical pixels (rounded to the nearest pixel).
  QPoint ToPixels(float x, float y) const;
  // The widget's font without antialiasing or kerning, its size fixed in pixels.
  QFont TextFont() const;
  // Sets up a painter on the image with the pen of DrawWidth, DrawStyle and DrawMode.
  void BeginDrawing(QPainter& painter, uint32_t color);
  void Report(QMouseEvent* event, int button,
              void (PictureWidget::*signal)(int, int, float, float));

  QImage image_;
  qreal pixelRatioForTests_ = 0;
  bool repaintPending_ = false;
  int16_t mousePointer_ = 0;
};
