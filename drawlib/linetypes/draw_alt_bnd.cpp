#include "drawlib/linetypes/draw_alt_bnd.h"

// Filled in by the line-type renderer.
void DrawAltBnd(Device* /*dc*/, float /*x1*/, float /*y1*/, uint16_t /*attrib*/, float /*x2*/,
                float /*y2*/, int16_t /*options*/) {}
