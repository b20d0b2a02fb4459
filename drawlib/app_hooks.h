// Decisions the drawing library leaves to the application: how a step slot is emptied, whether a
// point is on the visible screen, how the screen's world window is set up and what is printed as
// a drawing's caption. The application registers its hooks at start-up; the simulator's are
// KavoHooks (app_hooks_kavo.h). Without registered hooks steps are cleared plainly, every point
// counts as on screen and the rest does nothing.
#pragma once

#include <cstdint>
#include <string>

class Device;

class AppHooks {
 public:
  virtual ~AppHooks() = default;
  virtual void StepClearData(int16_t index) = 0;
  virtual void StepClear(int16_t index) = 0;
  virtual void AppHookEmpty() = 0;
  virtual void DrawPrintCaption(Device* dc, const std::string& caption, float x, float y) = 0;
  virtual bool PointOnScreen(float x, float y) = 0;
  virtual void ScreenSetScale(int16_t flags) = 0;
};

// Registers the hooks (not owned); nullptr removes them.
void SetAppHooks(AppHooks* hooks);

void StepClearData(int16_t index);
void StepClear(int16_t index);
void AppHookEmpty();
void DrawPrintCaption(Device* dc, const std::string& caption, float x, float y);
bool PointOnScreen(float x, float y);
// Sets up the screen's world window (4: recompute it from the target's size first).
void ScreenSetScale(int16_t flags);
