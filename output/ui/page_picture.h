// The preview's page picture: the picture widget as the drawing library's output object. The
// drawing is drawn with the Qt painter device into the picture's image; the page frame lies
// over it, drawn with the XOR raster operation, and is removed by repainting from the image.
#pragma once

#include <QPolygon>
#include <QRect>

#include <memory>
#include <vector>

#include "drawlib/device/output_object.h"
#include "platform/ui/picture_widget.h"

class QtPainterDevice;

struct PixelShape {
  QRect rect;
  uint32_t color = 0;
  bool filled = false;
};

class PagePicture : public PictureWidget, public OutputObject {
 public:
  explicit PagePicture(QWidget* parent = nullptr);
  ~PagePicture() override;

  // OutputObject
  void SetForeColor(uint32_t rgb) override { ForeColor = rgb; }
  void SetBackColor(uint32_t rgb) override { BackColor = rgb; }
  void SetDrawStyle(int16_t style) override { DrawStyle = style; }
  void SetDrawMode(int16_t mode) override { DrawMode = mode; }
  float WidthTwips() const override { return ScaleWidth(); }
  float HeightTwips() const override { return ScaleHeight(); }
  float TwipsPerPixelX() const override { return PictureWidget::TwipsPerPixelX(); }
  float TwipsPerPixelY() const override { return PictureWidget::TwipsPerPixelY(); }
  Device* DeviceContext() override;

  // Starts a drawing with the painter device on a cleared image; EndDrawing shows it.
  void BeginDrawing();
  void EndDrawing();
  // The page frame over the image (empty: none).
  void SetFrame(std::vector<PixelShape> shapes);
  const std::vector<PixelShape>& Frame() const { return frame_; }
  // The picture as shown: the image with the frame XORed over it.
  QImage Composed() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::unique_ptr<QtPainterDevice> device_;
  std::vector<PixelShape> frame_;
};
