#include "documents/data_file_format.h"

#include <algorithm>
#include <limits>

namespace datafile {
namespace {

void PutLong(std::string& s, std::size_t pos, uint32_t v) {
  for (int i = 0; i < 4; ++i) s[pos + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

int32_t GetLong(std::string_view s, std::size_t pos) {
  uint32_t v = 0;
  for (int i = 0; i < 4; ++i) v |= static_cast<uint32_t>(static_cast<unsigned char>(s[pos + i])) << (8 * i);
  return static_cast<int32_t>(v);
}

}  // namespace

std::optional<std::string> Build(const std::map<int, std::string>& entries,
                                 std::string_view provenance) {
  int slots = kMinTableSlots;
  for (const auto& [n, text] : entries) {
    if (n < 1) return std::nullopt;
    slots = std::max(slots, n);
  }
  std::string out(kTableOffset + 4 * static_cast<std::size_t>(slots), '\0');
  std::copy(kMagic.begin(), kMagic.end(), out.begin());
  std::string prov(provenance.substr(0, kProvenanceSize));
  prov.resize(kProvenanceSize, ' ');
  std::copy(prov.begin(), prov.end(), out.begin() + kProvenanceOffset);
  constexpr std::size_t kLimit = std::numeric_limits<int32_t>::max();
  for (const auto& [n, text] : entries) {
    const std::size_t at = out.size();
    if (at + 4 + text.size() > kLimit) return std::nullopt;
    PutLong(out, kTableOffset + 4 * static_cast<std::size_t>(n - 1), static_cast<uint32_t>(at));
    out.resize(at + 4);
    PutLong(out, at, static_cast<uint32_t>(text.size()));
    out += text;
  }
  return out;
}

View::View(std::string_view bytes) : bytes_(bytes) {
  // The table runs from byte 64 up to the lowest entry offset it names, or to the end.
  std::size_t end = bytes_.size();
  std::size_t pos = kTableOffset;
  while (pos + 4 <= end) {
    const int32_t off = GetLong(bytes_, pos);
    if (off > 0 && static_cast<std::size_t>(off) < end) end = std::max(static_cast<std::size_t>(off), pos + 4);
    pos += 4;
    ++slots_;
  }
}

bool View::HasMagic() const { return bytes_.substr(0, kMagic.size()) == kMagic; }

int32_t View::Offset(int n) const {
  if (n < 1 || n > slots_) return 0;
  return GetLong(bytes_, kTableOffset + 4 * static_cast<std::size_t>(n - 1));
}

EntryStatus View::Entry(int n, std::string& out) const {
  out.clear();
  const int32_t off = Offset(n);
  if (off == 0) return EntryStatus::Absent;
  const std::size_t size = bytes_.size();
  const std::size_t tableEnd = kTableOffset + 4 * static_cast<std::size_t>(slots_);
  if (off < 0 || static_cast<std::size_t>(off) < tableEnd || static_cast<std::size_t>(off) + 4 > size)
    return EntryStatus::Damaged;
  const int32_t len = GetLong(bytes_, static_cast<std::size_t>(off));
  if (len < 0 || static_cast<std::size_t>(len) > size - static_cast<std::size_t>(off) - 4)
    return EntryStatus::Damaged;
  out.assign(bytes_.substr(static_cast<std::size_t>(off) + 4, static_cast<std::size_t>(len)));
  return EntryStatus::Found;
}

}  // namespace datafile
