// The box that a line of text covers on the device: its extent along the baseline and its
// cell from the ascent above the baseline to the descent below it, placed by the alignment and
// turned by the font's escapement. Metafile bounds and picture extents take text in by it.
#pragma once

#include <cstdint>

#include "platform/gdi/device.h"
#include "platform/gdi/ink_box.h"

// `at` is the reference point of the text (after the current position was taken for it),
// `extent` the text's extent and `ascent` the font's ascent, both measured with the font;
// `align` the text alignment (its current-position flag is ignored). Italic text reaches a
// quarter of its ascent further to the right.
GdiBox TextInkBox(GdiPoint at, GdiSize extent, int32_t ascent, uint16_t align,
                  const GdiFont& font);
