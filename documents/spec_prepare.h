// Drawing a spectrum record: frame, axis, captions, trace, integral curves, insets, markers and
// peak annotations, in world units through the device and text layers.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "documents/spec_record.h"

class Device;

// Mode bits: 1, 2 and 8 are passed on to the axes; 4 records the reached positions into the
// record's position array; 8 also tracks the drawn extents.
inline constexpr int16_t kSpecModeRecordPositions = 4;
inline constexpr int16_t kSpecModeTrackExtents = 8;

// Draws the record with its points, its origin (the lower left of the spectrum box) at (x, y).
// A vertical full scale of 0 is repaired to 3000 with a message.
void SpecPrepare(Device* dc, SpecRec& rec, const std::vector<int16_t>& points, float x, float y,
                 int16_t mode);

// Label-offset mode bit 8: the move starts from the spectrum origin.
inline constexpr int16_t kSpecOffsetFromOrigin = 8;

// Moves the running label position by (dx, dy), drawing the connecting line object unless the
// attribute word is -1, then draws the label there (step type = the attribute word) when it is
// longer than 4 characters. With drawMode bit 8 the extents grow by the label's box.
void SpecLabelOffset(Device* dc, float dx, float dy, const std::string& text, int16_t attrib,
                     int16_t mode, int16_t drawMode);

// The extents (left, bottom, right, top) tracked by the last SpecPrepare with mode bit 8.
const std::array<float, 4>& SpecDrawnExtents();
