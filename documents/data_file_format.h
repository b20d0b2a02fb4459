// The container of the program data file KAVO71.dat: a magic, a free provenance text, a table of
// 32-bit entry offsets and the entries (a 32-bit length, then the bytes). All numbers are
// little-endian. This layer is pure byte work, shared by the program and the build's generator.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace datafile {

inline constexpr std::string_view kMagic = "ZEF1621DAT";
inline constexpr std::size_t kProvenanceOffset = 10;
inline constexpr std::size_t kProvenanceSize = 54;
inline constexpr std::size_t kTableOffset = 64;
// The generator always writes at least this many table slots: the readers ask for entries up to 374.
inline constexpr int kMinTableSlots = 374;

// Builds the container: entries by number (1 and up), provenance cut or padded with blanks to 54
// bytes. Absent entries get offset 0. An entry number below 1 or a container that would not fit
// 32-bit offsets gives nullopt.
std::optional<std::string> Build(const std::map<int, std::string>& entries,
                                 std::string_view provenance);

// Outcome of looking an entry up in a container.
enum class EntryStatus {
  Found,     // bytes returned
  Absent,    // offset 0, or the slot lies outside the offset table
  Damaged,   // offset or length points outside the file
};

// A read-only view of container bytes. The offset table ends where the first entry begins (or at
// the end of the file), so a slot never reads entry bytes as an offset.
class View {
 public:
  explicit View(std::string_view bytes);
  bool HasMagic() const;
  int TableSlots() const { return slots_; }
  // Offset stored in slot n (0 when outside the table).
  int32_t Offset(int n) const;
  EntryStatus Entry(int n, std::string& out) const;

 private:
  std::string_view bytes_;
  int slots_ = 0;
};

}  // namespace datafile
