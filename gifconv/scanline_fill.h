// The pixels inside a set of rings, row by row: a pixel is inside when its centre is, by the
// alternate (even-odd) or the winding rule, so inner rings of the alternate rule are holes.
#pragma once

#include <functional>
#include <vector>

#include "gifconv/shape_clip.h"

// Calls span(y, x0, x1) for each run of inside pixels x0 <= x < x1 of row y, within the
// columns [left, right) and rows [top, bottom).
void FillSpans(const std::vector<std::vector<ClipPoint>>& rings, bool winding, int left, int top,
               int right, int bottom, const std::function<void(int, int, int)>& span);
