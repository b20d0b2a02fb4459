// The string-list block: a small byte format that stores a range of a text array inside
// spectrum objects. All integers 16-bit little-endian, signed:
//   offset 0: E, offset of the end mark from the block start (the block is E + 2 bytes long)
//   offset 2: N, last index minus first index
//   offset 4: one record per non-empty text in index order: relative index (2), length L (2),
//             L Windows-1252 bytes
//   offset E: end mark -1
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "drawlib/util/byte_array.h"

// Packs items first..last (indexes into `items`; indexes outside it count as empty texts) into a
// block indexed from 0. With flag bit 1 (value 2) every packed item is cleared in the array.
// A block that would not fit its 16-bit fields is refused with a message: the result is then a
// valid block without records and no item is cleared.
ByteArray PackStringList(int16_t first, int16_t last, std::vector<std::string>& items,
                         int16_t& flags);

// Reads a block at `position`: item k + offset (k = 0..N) receives the text of the record whose
// relative index is k, or an empty text; indexes outside `items` are skipped. The position ends
// just past the end mark. A damaged block never makes it move backwards, and no record is read
// beyond the block or the array.
void UnpackStringList(int32_t& position, int16_t offset, std::vector<std::string>& items,
                      const ByteArray& bytes);
