// Entry points of the label layer that the device layer, axes and hooks call.
#pragma once

#include <cstdint>
#include <string>

#include "drawlib/steps/step_list.h"
#include "drawlib/text/label_attrs.h"
#include "drawlib/text/text_fonts.h"

class Device;

// Draws one label or object step at the anchor (x, y) in world units and fills its box.
// Step type 0xFFFF (and types from 0 up): a label; 0xFFFC: a spectrum object (SpecPrint).
// Flags 16: plain (no layout); 32: the caller has applied the attributes.
void LabelDraw(Device* dc, int16_t stepIndex, uint16_t stepType, const std::string& label,
               StepBoxRec& box, const StepData& data, float x, float y, int16_t flags);
