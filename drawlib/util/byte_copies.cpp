#include "drawlib/util/byte_copies.h"

#include <bit>
#include <cstring>
#include <limits>

#include "platform/msgbox.h"

bool ByteRangeFits(const ByteArray& bytes, int64_t position, int64_t size) {
  if (size < 0 || position < bytes.LBound()) return false;
  // The end must still be a valid 32-bit position.
  if (position + size > int64_t(std::numeric_limits<int32_t>::max())) return false;
  return position + size - 1 <= bytes.UBound();
}

namespace {

// Tests the range; on failure tells the user which copy was refused.
bool Fits(const ByteArray& bytes, int32_t position, int64_t size, const char* name) {
  if (ByteRangeFits(bytes, position, size)) return true;
  MsgBox(std::string("Internal error in ") + name + ": bounds violation.", vbOKOnly, "");
  return false;
}

uint8_t* At(ByteArray& bytes, int32_t position) {
  return bytes.bytes.data() + (int64_t(position) - bytes.LBound());
}
const uint8_t* At(const ByteArray& bytes, int32_t position) {
  return bytes.bytes.data() + (int64_t(position) - bytes.LBound());
}

template <typename T>
void Put(ByteArray& bytes, int32_t& position, T value) {
  static_assert(std::endian::native == std::endian::little);
  std::memcpy(At(bytes, position), &value, sizeof value);
  position += int32_t(sizeof value);
}

template <typename T>
T Get(const ByteArray& bytes, int32_t& position) {
  T value;
  std::memcpy(&value, At(bytes, position), sizeof value);
  position += int32_t(sizeof value);
  return value;
}

}  // namespace

void HmemcpyIntSngl(ByteArray& bytes, int32_t& position, int16_t index, float value) {
  if (!Fits(bytes, position, 6, "HmemcpyIntSngl")) return;
  Put(bytes, position, index);
  Put(bytes, position, value);
}

void HmemcpyInt(ByteArray& bytes, int32_t& position, int16_t value) {
  if (!Fits(bytes, position, 2, "HmemcpyInt")) return;
  Put(bytes, position, value);
}

void Hmemcpy2Int(ByteArray& bytes, int32_t& position, int16_t a, int16_t b) {
  if (!Fits(bytes, position, 4, "Hmemcpy2Int")) return;
  Put(bytes, position, a);
  Put(bytes, position, b);
}

void Hmemcpy3Int(ByteArray& bytes, int32_t& position, int16_t a, int16_t b, int16_t c) {
  if (!Fits(bytes, position, 6, "Hmemcpy3Int")) return;
  Put(bytes, position, a);
  Put(bytes, position, b);
  Put(bytes, position, c);
}

void Hmemcpy2Long(ByteArray& bytes, int32_t& position, int32_t a, int32_t b) {
  if (!Fits(bytes, position, 8, "Hmemcpy2Long")) return;
  Put(bytes, position, a);
  Put(bytes, position, b);
}

void hmemcpyIntToByte(ByteArray& bytes, int16_t value, int32_t& position) {
  if (!Fits(bytes, position, 2, "hmemcpyIntToByte")) return;
  Put(bytes, position, value);
}

void hmemcpyLongToByte(ByteArray& bytes, int32_t value, int32_t& position) {
  if (!Fits(bytes, position, 4, "hmemcpyLongToByte")) return;
  Put(bytes, position, value);
}

void hmemcpyStringToByte(ByteArray& bytes, std::string_view text, int32_t& position) {
  if (!Fits(bytes, position, int64_t(text.size()), "hmemcpyStringToByte")) return;
  if (!text.empty()) std::memcpy(At(bytes, position), text.data(), text.size());
  position += int32_t(text.size());
}

int16_t hmemcpyByteToInt(const ByteArray& bytes, int32_t& position) {
  if (!Fits(bytes, position, 2, "hmemcpyByteToInt")) return 0;
  return Get<int16_t>(bytes, position);
}

int32_t hmemcpyByteToLong(const ByteArray& bytes, int32_t& position) {
  if (!Fits(bytes, position, 4, "hmemcpyByteToLong")) return 0;
  return Get<int32_t>(bytes, position);
}

float hmemcpyByteToSngl(const ByteArray& bytes, int32_t& position) {
  if (!Fits(bytes, position, 4, "hmemcpyByteToSngl")) return 0.0f;
  return Get<float>(bytes, position);
}

std::string hmemcpyByteToString(const ByteArray& bytes, int32_t& position, int32_t length) {
  if (!Fits(bytes, position, length, "hmemcpyByteToString")) {
    // A length that could never fit (damaged data) must not become a huge allocation.
    if (length < 0 || std::size_t(length) > bytes.size()) return std::string();
    return std::string(std::size_t(length), ' ');
  }
  if (length == 0) return std::string();
  std::string text(reinterpret_cast<const char*>(At(bytes, position)), std::size_t(length));
  position += length;
  return text;
}

void hmemcpyByteTo2Int(const ByteArray& bytes, int16_t& a, int16_t& b, int32_t& position) {
  if (!Fits(bytes, position, 4, "hmemcpyByteTo2Int")) return;
  a = Get<int16_t>(bytes, position);
  b = Get<int16_t>(bytes, position);
}

void hmemcpyByteTo2Long(const ByteArray& bytes, int32_t& a, int32_t& b, int32_t& position) {
  if (!Fits(bytes, position, 8, "hmemcpyByteTo2Long")) return;
  a = Get<int32_t>(bytes, position);
  b = Get<int32_t>(bytes, position);
}
