// A byte array as the program's byte formats use it: a block of unsigned bytes indexed from a
// lower bound that need not be 0 (many formats count from 1).
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string_view>
#include <vector>

struct ByteArray {
  std::vector<uint8_t> bytes;
  int32_t lower = 0;

  ByteArray() = default;
  // An array of `count` zero bytes indexed from `lowerBound`.
  explicit ByteArray(std::size_t count, int32_t lowerBound = 0)
      : bytes(count, 0), lower(lowerBound) {}
  // An array holding the given bytes, indexed from `lowerBound`.
  static ByteArray FromBytes(std::string_view raw, int32_t lowerBound = 0) {
    ByteArray a;
    a.bytes.assign(raw.begin(), raw.end());
    a.lower = lowerBound;
    return a;
  }

  int32_t LBound() const { return lower; }
  // The last valid index; LBound() - 1 for an empty array.
  int64_t UBound() const { return int64_t(lower) + int64_t(bytes.size()) - 1; }
  std::size_t size() const { return bytes.size(); }
  bool empty() const { return bytes.empty(); }
  bool Contains(int64_t index) const { return index >= lower && index <= UBound(); }

  // Checked element access by array index.
  uint8_t& at(int64_t index) {
    if (!Contains(index)) throw std::out_of_range("ByteArray index");
    return bytes[std::size_t(index - lower)];
  }
  uint8_t at(int64_t index) const {
    if (!Contains(index)) throw std::out_of_range("ByteArray index");
    return bytes[std::size_t(index - lower)];
  }
};
