#include "drawlib/util/string_list.h"

#include <algorithm>
#include <limits>
#include <optional>

#include "drawlib/util/byte_copies.h"
#include "platform/msgbox.h"

namespace {

constexpr int64_t kMaxField = std::numeric_limits<int16_t>::max();

const std::string* ItemAt(const std::vector<std::string>& items, int64_t index) {
  if (index < 0 || index >= int64_t(items.size())) return nullptr;
  return &items[std::size_t(index)];
}

ByteArray EmptyBlock(int16_t count) {
  ByteArray block(6);
  int32_t p = 0;
  hmemcpyIntToByte(block, 4, p);
  hmemcpyIntToByte(block, count, p);
  hmemcpyIntToByte(block, -1, p);
  return block;
}

}  // namespace

ByteArray PackStringList(int16_t first, int16_t last, std::vector<std::string>& items,
                         int16_t& flags) {
  // Measure first: the end-mark offset and every relative index and length must fit 16 bits.
  const int64_t count = int64_t(last) - int64_t(first);
  int64_t end = 4;
  bool fits = count <= kMaxField && count >= -kMaxField - 1;
  for (int64_t i = first; fits && i <= last; ++i) {
    const std::string* s = ItemAt(items, i);
    if (s && !s->empty()) {
      end += 4 + int64_t(s->size());
      fits = int64_t(s->size()) <= kMaxField && end <= kMaxField;
    }
  }
  if (!fits) {
    MsgBox("Internal error in PackStringList: the texts are too long to be stored.", vbOKOnly, "");
    return EmptyBlock(int16_t(std::clamp<int64_t>(count, -1, kMaxField)));
  }

  // The buffer starts at 2001 bytes and grows by the record length + 2000 when a record would
  // not fit, so the end mark always has room.
  ByteArray block(2001);
  int32_t position = 2;
  hmemcpyIntToByte(block, int16_t(count), position);
  for (int64_t i = first; i <= last; ++i) {
    const std::string* s = ItemAt(items, i);
    if (!s || s->empty()) continue;
    const int32_t length = int32_t(s->size());
    if (int64_t(position) + 4 + length + 2 > int64_t(block.size())) {
      block.bytes.resize(block.size() + std::size_t(length) + 2000, 0);
    }
    Hmemcpy2Int(block, position, int16_t(i - first), int16_t(length));
    hmemcpyStringToByte(block, *s, position);
    if (flags & 2) items[std::size_t(i)].clear();
  }
  const int32_t endMark = position;
  hmemcpyIntToByte(block, -1, position);
  int32_t head = 0;
  hmemcpyIntToByte(block, int16_t(endMark), head);
  block.bytes.resize(std::size_t(endMark) + 2);
  return block;
}

void UnpackStringList(int32_t& position, int16_t offset, std::vector<std::string>& items,
                      const ByteArray& bytes) {
  const int64_t start = position;
  int32_t p = position;
  const int16_t e = hmemcpyByteToInt(bytes, p);
  if (p == position) return;  // not even the length word is there (already reported)

  // A negative or too small end offset cannot be a block: read nothing more, but still move on.
  const int64_t blockEnd = start + 2 + std::max<int64_t>(e, 0);
  const int64_t readEnd = std::min<int64_t>(blockEnd, bytes.UBound() + 1);
  int64_t last = -1;
  if (readEnd - p >= 2) last = hmemcpyByteToInt(bytes, p);

  struct Pending {
    int16_t index;
    std::string text;
  };
  std::optional<Pending> pending;
  for (int64_t k = 0; k <= last; ++k) {
    if (!pending && readEnd - p >= 4) {
      int16_t index = 0, length = 0;
      hmemcpyByteTo2Int(bytes, index, length, p);
      pending = Pending{index, std::string()};
      if (length >= 0 && int64_t(p) + length <= readEnd) {
        pending->text = hmemcpyByteToString(bytes, p, length);
      } else {
        p = int32_t(readEnd);  // a record crossing the block end: nothing further can be trusted
      }
    }
    std::string text;
    if (pending && pending->index == k) {
      text = std::move(pending->text);
      pending.reset();
    }
    const int64_t target = k + offset;
    if (target >= 0 && target < int64_t(items.size())) items[std::size_t(target)] = std::move(text);
  }
  position = int32_t(std::min<int64_t>(blockEnd, std::numeric_limits<int32_t>::max()));
}
