#include "drawlib/text/label_attrs.h"

std::array<float, 12> LabelAttrs{};

// Filled in by the text style layer.
void LabelAttrApply(Device* /*dc*/, uint16_t /*mask*/) {}
void StylesInit(int16_t /*mode*/) {}
