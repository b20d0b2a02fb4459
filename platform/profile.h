// Private-profile (INI file) access with the Windows semantics the programs rely on:
// section and key names match without regard to case and surrounding blanks; values are trimmed
// on read; a missing file, section or key gives the default; a present empty value gives "";
// keys are listed in file order; a value read ends at its first NUL byte (as the Windows
// functions' C strings do) and is cut at 4095 characters, blanks before the cut dropped; a write replaces the
// key in place or appends it at the end of its section (a new section at the end of the file);
// comments and unknown lines are kept; LF, CR LF and CR are read, CR LF is written.
// Every rewrite is atomic. Texts and paths are Windows-1252. A file is parsed once and its
// content reused while the file is unchanged (same file, size and times); a file larger than
// kMaxFileBytes is never read (reads give the defaults) nor written over.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace profile {

class Document;

constexpr std::size_t kMaxValueLength = 4095;
// Far beyond any real settings or group file.
constexpr std::size_t kMaxFileBytes = std::size_t{16} << 20;

enum class FileState { kMissing, kRead, kTooLarge, kUnreadable };
// The parsed content of the file, shared and unchanging; nullptr (with the reason in *state)
// when the file is missing, larger than kMaxFileBytes or cannot be read.
std::shared_ptr<const Document> Load(std::string_view file, FileState* state = nullptr);
// The file exists and is larger than kMaxFileBytes.
bool TooLarge(std::string_view file);
// The message for such a file.
std::string TooLargeText(std::string_view file);

// A stored value as the reads return it: up to its first NUL byte, at most kMaxValueLength,
// without blanks at its end.
std::string CutValue(std::string_view value);

std::string GetString(std::string_view file, std::string_view section, std::string_view key,
                      std::string_view defaultValue);
// The key's value as a whole number: optional sign and leading decimal digits (0 when the value
// does not start with a number; clamped to the 32-bit range). The default when the file, the
// section or the key is missing or the value is empty.
int32_t GetInt(std::string_view file, std::string_view section, std::string_view key,
               int32_t defaultValue);
// Writes one key. A CR or LF inside the value becomes a blank. Returns false (and sets `error`)
// when a name is refused (key with CR, LF or "=" or starting with "[" or ";"; section with CR,
// LF or "]"), when the file exists but cannot be read, or when it cannot be written.
bool WriteString(std::string_view file, std::string_view section, std::string_view key,
                 std::string_view value, std::string* error = nullptr);
// Deleting a key or a section that is not there succeeds and leaves the file as it is.
bool DeleteKey(std::string_view file, std::string_view section, std::string_view key,
               std::string* error = nullptr);
bool DeleteSection(std::string_view file, std::string_view section, std::string* error = nullptr);
// The section's keys and values in file order; the list is never cut, each value is cut as
// GetString cuts it. Empty for a missing file or section.
std::vector<std::pair<std::string, std::string>> ReadSection(std::string_view file,
                                                             std::string_view section);
// The names of all sections in file order.
std::vector<std::string> SectionNames(std::string_view file);

}  // namespace profile
