// Entry points of the label layer that the device layer, axes and hooks call.
#pragma once

#include <cstdint>
#include <string>

#include "drawlib/steps/step_list.h"

class Device;

// Draws one label or object step at the anchor (x, y) in world units and fills its box.
// Flags 16: plain (no layout); 32: the caller has applied the attributes.
void LabelDraw(Device* dc, int16_t stepIndex, uint16_t stepType, const std::string& label,
               StepBoxRec& box, const StepData& data, float x, float y, int16_t flags);
// Mode 2 applies a label's style (keeping the attributes before it); mode 4 restores them.
void LabelAttrStack(Device* dc, const std::string& style, int16_t mode);
// A slot's value (0..11), or the font height in world units for index 0xFFFF.
float LabelAttrGet(uint16_t index);
// Mode 1 makes and selects the label font, 4 resets its description, 0 releases it.
void FontSetAPI(Device* dc, int16_t mode);
