#include "drawlib/app_hooks.h"

#include "drawlib/steps/step_list.h"

namespace {
AppHooks* registered = nullptr;

void ClearStepPlainly(int16_t i, bool point) {
  if (i < 0 || i > StepList.UBound()) return;
  StepList.Text[size_t(i)].clear();
  StepList.Data[size_t(i)] = std::monostate{};
  StepList.StepBox[size_t(i)].flags = 0;
  if (point) {
    StepList.X[size_t(i)] = 0.0f;
    StepList.Y[size_t(i)] = 0.0f;
    StepList.StepType[size_t(i)] = 0;
  }
}
}  // namespace

void SetAppHooks(AppHooks* hooks) { registered = hooks; }

void StepClearData(int16_t index) {
  if (registered) registered->StepClearData(index);
  else ClearStepPlainly(index, false);
}

void StepClear(int16_t index) {
  if (registered) registered->StepClear(index);
  else ClearStepPlainly(index, true);
}

void AppHookEmpty() {
  if (registered) registered->AppHookEmpty();
}

void DrawPrintCaption(Device* dc, const std::string& caption, float x, float y) {
  if (registered) registered->DrawPrintCaption(dc, caption, x, y);
}

bool PointOnScreen(float x, float y) { return registered ? registered->PointOnScreen(x, y) : true; }

void ScreenSetScale(int16_t flags) {
  if (registered) registered->ScreenSetScale(flags);
}
