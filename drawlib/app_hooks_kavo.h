// The simulator's application hooks (its modules KavoStubs and KavoScreen_Create).
#pragma once

#include "drawlib/app_hooks.h"

// The part of the world the screen target shows: left, right, bottom, top (world units).
struct ScreenRectRec {
  float left = 0, right = 0, bottom = 0, top = 0;
};

class KavoHooks : public AppHooks {
 public:
  // Clears the step's text, box flags and data (indexes outside the step list are ignored).
  void StepClearData(int16_t index) override;
  // StepClearData, then the point and type word 0.
  void StepClear(int16_t index) override;
  void AppHookEmpty() override {}
  // With "Print Drawing Name:" on: the caption as a free label in font 3, 2.5 mm high on paper.
  void DrawPrintCaption(Device* dc, const std::string& caption, float x, float y) override;
  // Strictly inside ScreenRect.
  bool PointOnScreen(float x, float y) override;
  // Flags 4: ScreenRect from the target's size, zoom and pan, and the target's own coordinates
  // set to world units (Y upward). Always: ScreenRect mapped onto the target.
  void ScreenSetScale(int16_t flags) override;

  ScreenRectRec ScreenRect;
};
