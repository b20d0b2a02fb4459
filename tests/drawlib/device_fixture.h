// Test fixture for drawing: the library's reset state with the preference table, the default
// palette, a 12000 x 9000 twip target at 15 twips per pixel, and a recording device.
#pragma once

#include "drawlib/color_scheme.h"
#include "drawlib/device/output_object.h"
#include "drawlib/device/pen_cache.h"
#include "drawlib/device/world_window.h"
#include "drawlib/linetypes/draw_alt_bnd.h"
#include "platform/gdi/recording_device.h"
#include "tests/drawlib/drawlib_state.h"

class TwipTarget : public OutputObject {
 public:
  TwipTarget(float w, float h) : w_(w), h_(h) {}
  void SetForeColor(uint32_t) override {}
  void SetBackColor(uint32_t) override {}
  void SetDrawStyle(int16_t) override {}
  void SetDrawMode(int16_t) override {}
  float WidthTwips() const override { return w_; }
  float HeightTwips() const override { return h_; }
  void Scale(float l, float t, float r, float b) override {
    scaled = true;
    scale[0] = l, scale[1] = t, scale[2] = r, scale[3] = b;
  }
  bool scaled = false;
  float scale[4] = {};

 private:
  float w_, h_;
};

class DeviceFixture : public DrawlibState {
 protected:
  void SetUp() override {
    DrawlibState::SetUp();
    for (int i = 0; i < 16; ++i) ColorScheme.ColorPalette[size_t(i)] = DefaultColorRGB(i);
    ColorScheme.ColorPalette[16] = DefaultColorRGB(0);
    OutputTarget = &target;
    WorldWindow.zoom = 1.0f;
    OutputFlags = kOutputFlagsScreen;
  }
  // World units map 1:1 onto pixels, origin at the top left, Y upward.
  void UnitMapping() {
    WorldWindow.x0 = 0;
    WorldWindow.y0 = 0;
    WorldWindow.sx = 1;
    WorldWindow.sy = 1;
  }

  TwipTarget target{12000, 9000};
  RecordingDevice dc;
};

// Line objects drawn 1:1 in pixels with the built-in shapes and screen line widths.
class LineDrawingFixture : public DeviceFixture {
 protected:
  void SetUp() override {
    DeviceFixture::SetUp();
    DrawAltBnd(nullptr, 0, 0, 0, 0, 0, kDrawAltBndReloadShapes);
    UnitMapping();
    LineWidthSet(0);
  }
};
