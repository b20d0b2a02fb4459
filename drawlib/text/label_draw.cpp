#include "drawlib/text/label_draw.h"

// The label layer fills these in; until then labels draw nothing.
void LabelDraw(Device* /*dc*/, int16_t /*stepIndex*/, uint16_t /*stepType*/,
               const std::string& /*label*/, StepBoxRec& /*box*/, const StepData& /*data*/,
               float /*x*/, float /*y*/, int16_t /*flags*/) {}
void LabelAttrStack(Device* /*dc*/, const std::string& /*style*/, int16_t /*mode*/) {}
float LabelAttrGet(uint16_t /*index*/) { return 0.0f; }
void FontSetAPI(Device* /*dc*/, int16_t /*mode*/) {}
