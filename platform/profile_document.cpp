#include "platform/profile_document.h"

#include <unordered_set>

#include "platform/runtime_text.h"

namespace profile {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool IsBlankOrComment(const std::string& text) {
  const std::string t = TrimBlanks(text);
  return t.empty() || t.front() == ';';
}

}  // namespace

std::string TrimBlanks(std::string_view s) {
  std::size_t b = 0, e = s.size();
  while (b < e && IsBlank(s[b])) ++b;
  while (e > b && IsBlank(s[e - 1])) --e;
  return std::string(s.substr(b, e - b));
}

std::string MatchName(std::string_view name) { return UCase(TrimBlanks(name)); }

Document::Line Document::MakeLine(std::string text) {
  Line line;
  line.text = std::move(text);
  std::string_view t = line.text;
  std::size_t first = 0;
  while (first < t.size() && IsBlank(t[first])) ++first;
  if (first == t.size()) return line;
  if (t[first] == '[') {
    std::string_view rest = t.substr(first + 1);
    line.kind = Kind::kSection;
    line.name = TrimBlanks(rest.substr(0, rest.find(']')));
  } else if (t[first] != ';' && t.find('=') != std::string_view::npos) {
    const std::size_t eq = t.find('=');
    line.kind = Kind::kKey;
    line.name = TrimBlanks(t.substr(0, eq));
    line.value = TrimBlanks(t.substr(eq + 1));
  } else {
    return line;
  }
  line.match = UCase(line.name);
  return line;
}

Document Document::Parse(std::string_view bytes) {
  Document doc;
  std::size_t start = 0;
  constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
  if (bytes.substr(0, kUtf8Mark.size()) == kUtf8Mark) {
    doc.lead_ = kUtf8Mark;
    start = kUtf8Mark.size();
  }
  // One line per LF or CR, plus the last: no reallocation while reading.
  std::size_t bound = 1;
  for (char c : bytes.substr(start)) bound += c == '\n' || c == '\r';
  doc.lines_.reserve(bound);
  while (start < bytes.size()) {
    std::size_t end = start;
    while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n') ++end;
    doc.lines_.push_back(MakeLine(std::string(bytes.substr(start, end - start))));
    if (end < bytes.size() && bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n')
      ++end;
    start = end + 1;
  }
  return doc;
}

std::string Document::Serialize() const {
  std::string out = lead_;
  std::size_t size = lead_.size();
  for (const Line& line : lines_) size += line.text.size() + 2;
  out.reserve(size);
  for (const Line& line : lines_) {
    out += line.text;
    out += "\r\n";
  }
  return out;
}

std::vector<std::string> Document::SectionNames() const {
  std::vector<std::string> names;
  for (const Line& line : lines_)
    if (line.kind == Kind::kSection) names.push_back(line.name);
  return names;
}

std::size_t Document::FindSection(std::string_view match) const {
  for (std::size_t i = 0; i < lines_.size(); ++i)
    if (lines_[i].kind == Kind::kSection && lines_[i].match == match) return i;
  return std::string::npos;
}

std::size_t Document::SectionEnd(std::size_t header) const {
  std::size_t i = header + 1;
  while (i < lines_.size() && lines_[i].kind != Kind::kSection) ++i;
  return i;
}

std::size_t Document::FindKey(std::size_t header, std::string_view match) const {
  const std::size_t end = SectionEnd(header);
  for (std::size_t i = header + 1; i < end; ++i)
    if (lines_[i].kind == Kind::kKey && lines_[i].match == match) return i;
  return std::string::npos;
}

const std::string* Document::FindValue(std::string_view section, std::string_view key) const {
  const std::size_t header = FindSection(MatchName(section));
  if (header == std::string::npos) return nullptr;
  const std::size_t at = FindKey(header, MatchName(key));
  return at == std::string::npos ? nullptr : &lines_[at].value;
}

std::vector<std::pair<std::string, std::string>> Document::Entries(std::string_view section) const {
  std::vector<std::pair<std::string, std::string>> entries;
  const std::size_t header = FindSection(MatchName(section));
  if (header == std::string::npos) return entries;
  const std::size_t end = SectionEnd(header);
  std::unordered_set<std::string_view> seen;
  for (std::size_t i = header + 1; i < end; ++i) {
    const Line& line = lines_[i];
    if (line.kind == Kind::kKey && seen.insert(line.match).second)
      entries.emplace_back(line.name, line.value);
  }
  return entries;
}

std::string Document::NameProblem(std::string_view section, std::string_view key) {
  if (section.find_first_of("\r\n]") != std::string_view::npos)
    return "The section name \"" + std::string(section) + "\" holds a line break or \"]\".";
  const std::string keyName = TrimBlanks(key);
  if (key.find_first_of("\r\n=") != std::string_view::npos ||
      (!keyName.empty() && (keyName.front() == '[' || keyName.front() == ';')))
    return "The key name \"" + std::string(key) +
           "\" holds a line break or \"=\", or starts with \"[\" or \";\".";
  return {};
}

bool Document::Set(std::string_view section, std::string_view key, std::string_view rawValue) {
  if (!NameProblem(section, key).empty()) return false;
  std::string value(rawValue);
  for (char& c : value)
    if (c == '\r' || c == '\n') c = ' ';
  const std::string keyName = TrimBlanks(key);
  const std::size_t header = FindSection(MatchName(section));
  if (header == std::string::npos) {
    if (!lines_.empty() && !TrimBlanks(lines_.back().text).empty()) lines_.push_back(MakeLine(""));
    lines_.push_back(MakeLine("[" + TrimBlanks(section) + "]"));
    lines_.push_back(MakeLine(keyName + "=" + value));
    return true;
  }
  const std::size_t at = FindKey(header, UCase(keyName));
  if (at != std::string::npos) {
    if (lines_[at].value == TrimBlanks(value)) return false;
    lines_[at] = MakeLine(lines_[at].name + "=" + value);
    return true;
  }
  std::size_t insert = header + 1;
  const std::size_t end = SectionEnd(header);
  for (std::size_t i = header + 1; i < end; ++i)
    if (!IsBlankOrComment(lines_[i].text)) insert = i + 1;
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insert),
                MakeLine(keyName + "=" + value));
  return true;
}

bool Document::EraseKey(std::string_view section, std::string_view key) {
  const std::size_t header = FindSection(MatchName(section));
  if (header == std::string::npos) return false;
  const std::string match = MatchName(key);
  bool erased = false;
  std::size_t at;
  while ((at = FindKey(header, match)) != std::string::npos) {
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(at));
    erased = true;
  }
  return erased;
}

bool Document::EraseSection(std::string_view section) {
  const std::string match = MatchName(section);
  bool erased = false;
  std::size_t header;
  while ((header = FindSection(match)) != std::string::npos) {
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(header),
                 lines_.begin() + static_cast<std::ptrdiff_t>(SectionEnd(header)));
    erased = true;
  }
  return erased;
}

}  // namespace profile
