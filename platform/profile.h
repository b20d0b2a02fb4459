// Private-profile (INI file) access with the Windows semantics the programs rely on:
// section and key names match without regard to case and surrounding blanks; values are trimmed
// on read; a missing file, section or key gives the default; a present empty value gives "";
// keys are listed in file order; single values are cut at 4095 characters; a write replaces the
// key in place or appends it at the end of its section (a new section at the end of the file);
// comments and unknown lines are kept; LF, CR LF and CR are read, CR LF is written.
// Every rewrite is atomic. Texts and paths are Windows-1252.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace profile {

constexpr std::size_t kMaxValueLength = 4095;

std::string GetString(std::string_view file, std::string_view section, std::string_view key,
                      std::string_view defaultValue);
// Writes one key. A CR or LF inside the value becomes a blank. Returns false (and sets `error`)
// when the name is refused (key with CR, LF or "="; section with CR, LF or "]") or the file
// cannot be written.
bool WriteString(std::string_view file, std::string_view section, std::string_view key,
                 std::string_view value, std::string* error = nullptr);
bool DeleteKey(std::string_view file, std::string_view section, std::string_view key,
               std::string* error = nullptr);
bool DeleteSection(std::string_view file, std::string_view section, std::string* error = nullptr);
// The section's keys and values in file order (never cut); empty for a missing section.
std::vector<std::pair<std::string, std::string>> ReadSection(std::string_view file,
                                                             std::string_view section);
// The names of all sections in file order.
std::vector<std::string> SectionNames(std::string_view file);

}  // namespace profile
