#include "drawlib/app_hooks_kavo.h"

#include "drawlib/device/output_object.h"
#include "drawlib/device/world_window.h"
#include "drawlib/pardata.h"
#include "drawlib/steps/step_list.h"
#include "drawlib/text/label_draw.h"
#include "drawlib/util/error_location.h"
#include "platform/runtime_numbers.h"

void KavoHooks::StepClearData(int16_t i) {
  if (i < 0 || i > StepList.UBound()) return;
  StepList.Text[size_t(i)].clear();
  StepList.StepBox[size_t(i)].flags = 0;
  StepList.Data[size_t(i)] = std::monostate{};
}

void KavoHooks::StepClear(int16_t i) {
  if (i < 0 || i > StepList.UBound()) return;
  StepClearData(i);
  StepList.X[size_t(i)] = 0.0f;
  StepList.Y[size_t(i)] = 0.0f;
  StepList.StepType[size_t(i)] = 0;
}

void KavoHooks::DrawPrintCaption(Device* dc, const std::string& caption, float x, float y) {
  if (!(Pardata[48].Default > 0.5f)) return;
  const float scale = Pardata[35].Default > 0.0f ? Pardata[35].Default : 0.7f;
  const double h = 2.5 / double(scale);
  StepBoxRec box;
  LabelDraw(dc, 0, 0xFFFF, "F O = 3 H =" + Str(h) + " > " + caption, box, StepData{}, x, y, 16);
}

bool KavoHooks::PointOnScreen(float x, float y) {
  return ScreenRect.left < x && x < ScreenRect.right && ScreenRect.bottom < y &&
         y < ScreenRect.top;
}

void KavoHooks::ScreenSetScale(int16_t flags) {
  ErrorLocation = 4027;
  if (flags & 4) {
    TargetWorldRect(ScreenRect.left, ScreenRect.bottom, ScreenRect.right, ScreenRect.top);
    if (OutputTarget)
      OutputTarget->Scale(ScreenRect.left, ScreenRect.top, ScreenRect.right, ScreenRect.bottom);
  }
  SetWorldWindow(OutputTarget, ScreenRect.left, ScreenRect.bottom, ScreenRect.right,
                 ScreenRect.top);
  ErrorLocation = 4028;
}
