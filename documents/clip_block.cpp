#include "documents/clip_block.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::string_view kDrawingMarker = "ZEF1620DRW\r\n";
constexpr std::size_t kBlockHead = 6;

void PutLittle(std::string& out, std::size_t at, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out[at + size_t(i)] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

uint32_t GetLittle(std::string_view in, std::size_t at, int bytes) {
  uint32_t v = 0;
  for (int i = 0; i < bytes; ++i) v |= uint32_t(uint8_t(in[at + size_t(i)])) << (8 * i);
  return v;
}

}  // namespace

bool ClipBlockMake(const StepData& data, uint16_t type, std::string& block) {
  if (const auto* text = std::get_if<std::string>(&data)) {
    block.assign(kBlockHead + 2 * text->size(), '\0');
    PutLittle(block, 0, type, 2);
    PutLittle(block, 2, static_cast<uint32_t>(text->size()), 4);
    std::copy(text->begin(), text->end(), block.begin() + kBlockHead);
    return true;
  }
  if (const auto* bytes = std::get_if<ByteArray>(&data)) {
    block.assign(kBlockHead + bytes->size(), '\0');
    PutLittle(block, 0, type, 2);
    PutLittle(block, 2, static_cast<uint32_t>(bytes->size()), 4);
    std::copy(bytes->bytes.begin(), bytes->bytes.end(), block.begin() + kBlockHead);
    return true;
  }
  block.assign(kBlockHead, '\0');
  return false;
}

ClipBlockRead ClipBlockParse(std::string_view block, uint16_t& type, StepData& data) {
  data = std::monostate{};
  type = 0;
  if (block.size() < kBlockHead) return ClipBlockRead::kDamaged;
  const uint32_t n = GetLittle(block, 2, 4);
  if (n > block.size() - kBlockHead) return ClipBlockRead::kDamaged;
  type = static_cast<uint16_t>(GetLittle(block, 0, 2));
  const std::string_view payload = block.substr(kBlockHead, n);
  if (type & kClipTextBits)
    data = std::string(payload);
  else if (type & kClipBytesBits)
    data = ByteArray::FromBytes(payload);
  return ClipBlockRead::kOk;
}

bool ClipMetafileRefused(std::string_view bits, std::string_view notice) {
  if (notice.empty() || bits.size() <= 1000) return false;
  const std::string_view tail = bits.substr(bits.size() - 1000);
  return tail.find(notice) != std::string_view::npos &&
         tail.find("ALL RIGHTS RESERVED") != std::string_view::npos;
}

bool ClipMetafileExtract(std::string& bits) {
  if (bits.size() < 30) return false;
  const std::size_t last = std::min<std::size_t>(bits.size() - 30, 1000);
  for (std::size_t i = 0; i <= last; ++i) {
    if (std::string_view(bits).substr(i, kDrawingMarker.size()) != kDrawingMarker) continue;
    const auto length = static_cast<int16_t>(GetLittle(bits, i + 24, 2));
    if (length <= 0 || i + 26 + size_t(length) > bits.size()) continue;
    bits = bits.substr(i + 26, size_t(length));
    return true;
  }
  return false;
}
