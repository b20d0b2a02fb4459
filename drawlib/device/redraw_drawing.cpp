#include "drawlib/device/redraw_drawing.h"

#include <algorithm>

#include "drawlib/app_hooks.h"
#include "drawlib/axes/draw_path.h"
#include "drawlib/color_scheme.h"
#include "drawlib/device/pen_cache.h"
#include "drawlib/device/world_lines.h"
#include "drawlib/device/world_window.h"
#include "drawlib/linegs/line_gs.h"
#include "drawlib/linetypes/draw_alt_bnd.h"
#include "drawlib/steps/step_list.h"
#include "drawlib/text/label_draw.h"
#include "drawlib/util/error_location.h"

void RedrawDrawing(Device* dc, int16_t first, int16_t last, int16_t flag) {
  ErrorLocation = 4019;
  const bool aux = (flag & kRedrawAuxSteps) != 0;
  StepArrays& steps = aux ? static_cast<StepArrays&>(StepListAux) : StepList;
  static std::vector<StepBoxRec> auxBoxes;
  std::vector<StepBoxRec>& boxes = aux ? auxBoxes : StepList.StepBox;
  const int ub = steps.UBound();
  if (ub < 0) return;
  if (boxes.size() < size_t(ub + 1)) boxes.resize(size_t(ub + 1));
  first = int16_t(std::clamp<int>(first, 0, ub));
  last = int16_t(std::clamp<int>(last, 0, ub));

  PenSetAPI(dc, 1, int32_t(SchemeForeColor), 4);
  PenSetStyleColor(dc, 1, 0, 1);

  float x = 0, y = 0, prevX = 0, prevY = 0;
  uint16_t type = 0;
  bool visible = false, prevVisible = false;
  auto load = [&](int i) {
    x = steps.X[size_t(i)];
    y = steps.Y[size_t(i)];
    type = steps.StepType[size_t(i)];
    boxes[size_t(i)].flags = 16;
  };
  load(first);
  for (int i = first; i <= last; ++i) {
    const std::string& text = i == 0 ? std::string() : steps.Text[size_t(i)];
    if (text.size() >= 4) {
      StepBoxRec& box = boxes[size_t(i)];
      const bool skip = int16_t(type) >= -1 && !visible && !PointOnScreen(x + box.x1, y) &&
                        !PointOnScreen(x + box.x2, y);
      if (!skip) {
        LabelDraw(dc, int16_t(i), type, text, box, steps.Data[size_t(i)], x, y, 5);
        box.flags = int16_t(box.flags & ~16);
      }
    }
    prevX = x;
    prevY = y;
    prevVisible = visible;
    if (i + 1 > last) break;
    load(i + 1);
    visible = PointOnScreen(x, y);
    if (!(visible || prevVisible)) continue;
    boxes[size_t(i + 1)].flags = int16_t(boxes[size_t(i + 1)].flags & ~16);
    if (int16_t(type) <= 0) continue;
    if ((type & 0xFF) == 1) {
      if (PenCache.attrib != PenPart(type)) PenSetAttrib(dc, int16_t(type));
      if (OutputFlags & kOutputSmooth) {
        int32_t x1, y1, x2, y2;
        WorldToPixel(prevX, prevY, x1, y1);
        WorldToPixel(x, y, x2, y2);
        SharedLineGS().WuLineGP(dc, x1, y1, x2, y2, CachedPenColour(), CachedPenWidth());
      } else {
        WorldLinePlain(dc, prevX, prevY, x, y, 1);
      }
    } else if (IsPathCode(type)) {
      visible = true;
      const bool more = i + 2 <= ub && IsPathCode(steps.StepType[size_t(i + 2)]) && i + 2 <= last;
      if (!more) {
        int16_t index = int16_t(i + 1);
        DrawPath(dc, steps, 25, index, type, 1);
      }
    } else {
      DrawAltBnd(dc, prevX, prevY, type, x, y, 1);
    }
  }
  StepClear(0);
  PenSetAPI(dc, 0, 0, 0);
  FontSetAPI(dc, 0);
  ErrorLocation = 4020;
}
