#include "documents/spec_file_bytes.h"

#include <bit>
#include <cstring>

#include "drawlib/util/strings.h"

uint8_t SpecFileBytes::Byte(std::size_t pos) const {
  return pos < bytes_.size() ? static_cast<uint8_t>(bytes_[pos]) : 0;
}

int32_t SpecFileBytes::Long(std::size_t pos) const {
  uint32_t v = 0;
  for (std::size_t i = 0; i < 4; ++i) v |= uint32_t(Byte(pos + i)) << (8 * i);
  return static_cast<int32_t>(v);
}

float SpecFileBytes::Single(std::size_t pos) const {
  return std::bit_cast<float>(static_cast<uint32_t>(Long(pos)));
}

double SpecFileBytes::Double(std::size_t pos) const {
  uint64_t v = 0;
  for (std::size_t i = 0; i < 8; ++i) v |= uint64_t(Byte(pos + i)) << (8 * i);
  return std::bit_cast<double>(v);
}

std::string SpecFileBytes::Text(std::size_t pos, std::size_t n) const {
  std::string out(n, '\0');
  for (std::size_t i = 0; i < n; ++i) out[i] = static_cast<char>(Byte(pos + i));
  return out;
}

std::string SpecFileBytes::CleanText(std::size_t pos, std::size_t n) const {
  std::string text = CutAtControl(Text(pos, n));
  return TrimNul(text, 0);
}

std::size_t SpecFileBytes::RecordsFrom(std::size_t first, std::size_t stride,
                                       std::size_t recordBytes) const {
  if (stride == 0 || first + recordBytes > bytes_.size()) return 0;
  return (bytes_.size() - first - recordBytes) / stride + 1;
}
