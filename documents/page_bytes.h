// The byte form of one page in a drawing file: packets 3 (FHEAD, 108 bytes), 5 (page tags) and
// 12 (packed steps), then the end-of-page mark 1000. Little-endian.
#pragma once

#include <array>
#include <cstdint>

#include "documents/page_record.h"
#include "drawlib/util/byte_array.h"

enum DrawingPacket : int32_t {
  kPktHead = 3, kPktName = 4, kPktTags = 5, kPktObjects = 12, kPktIgnored = 2001,
  kPktPageEnd = 1000, kPktFileEnd = 1001,
};
inline constexpr int32_t kFheadBytes = 108;
// The FHEAD after its flags: zoom through the 58 reserved bytes.
using PageFixedPart = std::array<uint8_t, kFheadBytes - 2>;

PageFixedPart PageFixedBytes(const PageRec& page);
// Sets the fields from zoom on; a value that is not a finite number becomes 0.
void PageFixedSet(PageRec& page, const PageFixedPart& bytes);

// The packets of one page into bytes, indexed from 0.
void PageToBytes(const PageRec& page, ByteArray& bytes);
