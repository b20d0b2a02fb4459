// The drawing library's output object for a picture box: pen settings go to the picture box's
// fields and the size is its scale size. The screen is drawn through the picture box's own calls,
// so there is no device context.
#pragma once

#include "drawlib/device/output_object.h"
#include "platform/picture_box.h"

class PictureOutputObject : public OutputObject {
 public:
  explicit PictureOutputObject(PictureBox& picture) : picture_(picture) {}

  void SetForeColor(uint32_t rgb) override;
  void SetBackColor(uint32_t rgb) override;
  void SetDrawStyle(int16_t style) override;
  void SetDrawMode(int16_t mode) override;
  float WidthTwips() const override;
  float HeightTwips() const override;
  float TwipsPerPixelX() const override;
  float TwipsPerPixelY() const override;
  Device* DeviceContext() override { return nullptr; }

  PictureBox& picture() { return picture_; }

 private:
  PictureBox& picture_;
};
