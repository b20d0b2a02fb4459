#include "output/drawing_extents.h"

#include <algorithm>

#include "drawlib/steps/step_list.h"

void StepExtents(int16_t first, int16_t last, OutputRegion& box) {
  box = {};
  bool any = false;
  auto grow = [&](float x, float y) {
    if (!any) {
      box = {x, y, x, y};
      any = true;
      return;
    }
    box.left = std::min(box.left, x);
    box.right = std::max(box.right, x);
    box.bottom = std::min(box.bottom, y);
    box.top = std::max(box.top, y);
  };
  const int end = std::min<int>(last, kStepListUBound);
  for (int i = std::max<int>(first, 1); i <= end; ++i) {
    grow(StepList.X[size_t(i)], StepList.Y[size_t(i)]);
    const StepBoxRec& b = StepList.StepBox[size_t(i)];
    if (b.flags & 16) {
      grow(b.x1, b.y1);
      grow(b.x2, b.y2);
    }
  }
}
