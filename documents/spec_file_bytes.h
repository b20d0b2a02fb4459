// Little-endian reading of a spectrum file held in memory. Bytes past the end of the file read
// as 0, so a short header yields zeros rather than a read outside the buffer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

class SpecFileBytes {
 public:
  explicit SpecFileBytes(std::string bytes) : bytes_(std::move(bytes)) {}

  std::size_t size() const { return bytes_.size(); }
  const std::string& bytes() const { return bytes_; }
  uint8_t Byte(std::size_t pos) const;
  int32_t Long(std::size_t pos) const;
  float Single(std::size_t pos) const;
  double Double(std::size_t pos) const;
  // n bytes from pos (zeros past the end).
  std::string Text(std::size_t pos, std::size_t n) const;
  // The same text cut at its first character below 32 and trimmed.
  std::string CleanText(std::size_t pos, std::size_t n) const;
  // How many records of `stride` bytes start at first, first + stride, ... and end inside the
  // file (0 when first lies past the end).
  std::size_t RecordsFrom(std::size_t first, std::size_t stride, std::size_t recordBytes) const;

 private:
  std::string bytes_;
};
