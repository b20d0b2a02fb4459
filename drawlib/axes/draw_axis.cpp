#include "drawlib/axes/draw_axis.h"

#include <algorithm>
#include <cmath>

#include "drawlib/device/world_lines.h"
#include "drawlib/linetypes/draw_alt_bnd.h"
#include "drawlib/steps/step_list.h"
#include "drawlib/text/label_draw.h"
#include "platform/runtime_numbers.h"
#include "platform/runtime_text.h"

namespace {
const char* const kAxisFormats[6] = {"0", "0.0", "0.00", "0.000", "0.0000", "0.00E+00"};
}

void DrawAxis(Device* dc, float box[4], const AxisLayout& a) {
  const std::string format = kAxisFormats[std::clamp<int>(a.formatIndex, 0, 5)];
  const int16_t subdivisions = a.subdivisions > 0 ? a.subdivisions : 1;
  const float sign = a.scale < 0.0f ? -1.0f : 1.0f;
  const float v = sign * std::fabs(a.tickSeparation) / float(subdivisions);
  const int16_t lineOptions = int16_t(a.flags & 3);
  const float ex = a.vertical ? a.x : a.x + a.length;
  const float ey = a.vertical ? a.y + a.length : a.y;
  if (!(a.flags & 0x80)) DrawAltBnd(dc, a.x, a.y, 1, ex, ey, lineOptions);

  float p = a.offsetMM * 40.2f;
  const float p0 = p;
  float value = a.startValue;
  if (a.firstTickValue != a.startValue) {
    value = a.firstTickValue;
    p += (a.firstTickValue - a.startValue) * a.scale;
  }
  LabelAttrStack(dc, a.style, 2);
  float e = LabelAttrGet(0xFFFF) + 20.1f;
  LabelAttrStack(dc, a.style, 4);
  if (a.bigTick < 0.0f) e += std::fabs(a.bigTick);

  int k = 1;
  for (int count = 0; count <= 2000; ++count) {
    if (p >= p0) {
      float t;
      if (k == 1) {
        const std::string label = std::string(a.vertical ? "L " : "M ") + a.style + " > " +
                                  Trim(Format(value, format));
        const float ax = a.vertical ? a.x - e : a.x + p;
        const float ay = a.vertical ? a.y + p : a.y - e;
        DrawAltBnd(dc, a.vertical ? a.x : a.x + p, a.vertical ? a.y + p : a.y, 0xFFFF, ax, ay,
                   lineOptions);
        if (a.flags & 1) {
          StepBoxRec labelBox;
          LabelDraw(dc, 0, 0xFFFF, label, labelBox, StepData{}, ax, ay, 3);
          if (a.flags & 8) BoxExtend(box, labelBox, ax, ay);
        }
        t = a.bigTick;
      } else {
        t = (a.bigTick < 0.0f ? -1.0f : 1.0f) * std::fabs(a.smallTick);
        if ((subdivisions == 10 && k == 6) || (subdivisions == 20 && k == 11)) t *= 1.4f;
      }
      if (a.vertical) DrawAltBnd(dc, a.x, a.y + p, 513, a.x + t, a.y + p, lineOptions);
      else DrawAltBnd(dc, a.x + p, a.y, 513, a.x + p, a.y + t, lineOptions);
    }
    value += v;
    p += std::fabs(v * a.scale);
    if (p > a.length + 3.0f) break;
    k = k >= subdivisions ? 1 : k + 1;
  }
}
