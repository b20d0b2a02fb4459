// An output object of w x h pixels at 15 twips per pixel, for drawing onto images in tests and
// benchmarks.
#pragma once

#include "drawlib/device/output_object.h"

class ImageTarget : public OutputObject {
 public:
  ImageTarget(int w, int h) : w_(w), h_(h) {}
  void SetForeColor(uint32_t) override {}
  void SetBackColor(uint32_t) override {}
  void SetDrawStyle(int16_t) override {}
  void SetDrawMode(int16_t) override {}
  float WidthTwips() const override { return float(w_) * 15.0f; }
  float HeightTwips() const override { return float(h_) * 15.0f; }

 private:
  int w_, h_;
};
