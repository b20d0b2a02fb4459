// An INI file held as its lines, so a rewrite keeps comments, blank and unknown lines, and the
// order of sections and keys exactly as they were. Section and key names match without regard
// to case (Windows-1252 letters) and surrounding blanks. Where a section or a key occurs twice,
// the first occurrence is the one read and written.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace profile {

class Document {
 public:
  // Splits the bytes at LF, CR LF and CR. Never fails: a line that is neither a section header
  // nor a key line is kept as it is. A UTF-8 byte-order mark that an editor put at the start is
  // not part of the first line; it is written back as it was.
  static Document Parse(std::string_view bytes);
  // Every line followed by CR LF.
  std::string Serialize() const;

  std::vector<std::string> SectionNames() const;
  // The trimmed value of the key, or nullptr when the section or the key is missing.
  const std::string* FindValue(std::string_view section, std::string_view key) const;
  // The section's keys (each once, first occurrence) and trimmed values in file order.
  std::vector<std::pair<std::string, std::string>> Entries(std::string_view section) const;

  // Why a section or key name cannot be stored so that it reads back (a line break or "]" in a
  // section name; a line break or "=" in a key, or a key starting with "[" or ";"); empty when
  // the names are fine.
  static std::string NameProblem(std::string_view section, std::string_view key);
  // Replaces the key's line in place, or adds it after the section's last line that is not
  // blank or a comment, or adds the section at the end. A CR or LF in the value becomes a blank.
  // False when nothing changed or the names are refused (see NameProblem).
  bool Set(std::string_view section, std::string_view key, std::string_view value);
  // Removes every line of the key in the section. False when there was none.
  bool EraseKey(std::string_view section, std::string_view key);
  // Removes every section of that name with all its lines. False when there was none.
  bool EraseSection(std::string_view section);

 private:
  enum class Kind { kOther, kSection, kKey };
  struct Line {
    std::string text;   // the line as read or written, without its line end
    Kind kind = Kind::kOther;
    std::string name;   // section or key name, trimmed
    std::string match;  // the name as compared: trimmed and upper-cased
    std::string value;  // key lines: the trimmed value
  };
  static Line MakeLine(std::string text);
  // Index of the first header of the section, or npos.
  std::size_t FindSection(std::string_view match) const;
  // One past the last line of the section starting at `header`.
  std::size_t SectionEnd(std::size_t header) const;
  std::size_t FindKey(std::size_t header, std::string_view match) const;

  std::vector<Line> lines_;
  std::string lead_;  // byte-order mark found before the first line, if any
};

// Blanks around INI names and values: spaces and tabs.
std::string TrimBlanks(std::string_view s);
// The form in which names are compared.
std::string MatchName(std::string_view name);

}  // namespace profile
