// Bounds-checked little-endian reads from untrusted bytes. A read outside the data gives 0 and
// marks the reader as failed, so a parser reads its fields and checks ok() once.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

class ByteReader {
 public:
  explicit ByteReader(std::span<const uint8_t> data) : data_(data) {}

  size_t size() const { return data_.size(); }
  bool ok() const { return ok_; }
  // Whether n bytes from offset lie inside the data (no overflow for any values).
  bool Has(size_t offset, size_t n) const {
    return offset <= data_.size() && n <= data_.size() - offset;
  }

  uint8_t U8(size_t offset) { return Has(offset, 1) ? data_[offset] : Fail(); }
  uint16_t U16(size_t offset) {
    return Has(offset, 2) ? uint16_t(data_[offset] | data_[offset + 1] << 8) : Fail();
  }
  int16_t I16(size_t offset) { return int16_t(U16(offset)); }
  uint32_t U32(size_t offset) {
    if (!Has(offset, 4)) return Fail();
    return uint32_t(data_[offset]) | uint32_t(data_[offset + 1]) << 8 |
           uint32_t(data_[offset + 2]) << 16 | uint32_t(data_[offset + 3]) << 24;
  }
  int32_t I32(size_t offset) { return int32_t(U32(offset)); }
  // n bytes as text; empty (and failed) when they do not fit.
  std::string Bytes(size_t offset, size_t n) {
    if (!Has(offset, n)) return Fail(), std::string();
    return std::string(reinterpret_cast<const char*>(data_.data() + offset), n);
  }
  std::span<const uint8_t> Sub(size_t offset, size_t n) {
    if (!Has(offset, n)) return Fail(), std::span<const uint8_t>();
    return data_.subspan(offset, n);
  }

 private:
  uint8_t Fail() {
    ok_ = false;
    return 0;
  }
  std::span<const uint8_t> data_;
  bool ok_ = true;
};
