// The line-object renderer: one line step of a drawing between two world points.
#pragma once

#include <cstdint>

class Device;

// Option 4096: reload the bond and wedge geometry from the preference table.
inline constexpr int16_t kDrawAltBndReloadShapes = 4096;
void DrawAltBnd(Device* dc, float x1, float y1, uint16_t attrib, float x2, float y2,
                int16_t options);
