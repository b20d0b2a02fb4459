// Splits the bytes of a drawing-object segment into its label text and its data.
#pragma once

#include <cstdint>
#include <string>

#include "drawlib/steps/step_list.h"

// Two forms: a header 2300 / 2330 with the label length, or a label that ends at the first
// byte 17 after a byte 16 within the first 601 bytes. On success the label and the whole bytes
// as data are written and true is returned; a segment of neither form shows a message and
// writes nothing. A spectrum object of the second form without its size in the label is
// rescaled to the preferred spectrum size.
bool NMRGRAPHParseByte(const ByteArray& segment, uint16_t type, std::string& label,
                       StepData& data);
