#include "platform/profile.h"

#include <algorithm>
#include <limits>
#include <optional>

#include "platform/atomic_file.h"
#include "platform/paths.h"
#include "platform/profile_document.h"

namespace profile {

namespace {

std::optional<Document> ReadDocument(std::string_view file) {
  std::optional<std::string> bytes = ReadFileBytes(file);
  if (!bytes) return std::nullopt;
  return Document::Parse(*bytes);
}

void SetError(std::string* error, std::string text) {
  if (error) *error = std::move(text);
}

// The document to change: the file's content, an empty document for a file that does not exist
// yet, nothing when the file exists but cannot be read (rewriting it would lose its content).
std::optional<Document> DocumentToChange(std::string_view file, std::string* error) {
  if (std::optional<Document> doc = ReadDocument(file)) return doc;
  if (!PathExists(file)) return Document();
  SetError(error, "The settings file \"" + std::string(file) + "\" cannot be read.");
  return std::nullopt;
}

}  // namespace

std::string CutValue(std::string_view value) {
  // Blanks that the cut leaves at the end go too, so that a value saved as read reads back the
  // same (the file's values are trimmed on every read).
  return TrimBlanks(value.substr(0, std::min(value.find('\0'), kMaxValueLength)));
}

std::string GetString(std::string_view file, std::string_view section, std::string_view key,
                      std::string_view defaultValue) {
  std::optional<Document> doc = ReadDocument(file);
  const std::string* value = doc ? doc->FindValue(section, key) : nullptr;
  return value ? CutValue(*value) : std::string(defaultValue);
}

int32_t GetInt(std::string_view file, std::string_view section, std::string_view key,
               int32_t defaultValue) {
  std::optional<Document> doc = ReadDocument(file);
  const std::string* value = doc ? doc->FindValue(section, key) : nullptr;
  if (!value || value->empty()) return defaultValue;
  std::size_t i = 0;
  const bool negative = (*value)[0] == '-';
  if (negative || (*value)[0] == '+') ++i;
  int64_t n = 0;
  for (; i < value->size() && (*value)[i] >= '0' && (*value)[i] <= '9'; ++i) {
    n = n * 10 + ((*value)[i] - '0');
    if (n > int64_t{1} << 32) n = int64_t{1} << 32;
  }
  if (negative) n = -n;
  if (n > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  if (n < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(n);
}

bool WriteString(std::string_view file, std::string_view section, std::string_view key,
                 std::string_view value, std::string* error) {
  if (std::string problem = Document::NameProblem(section, key); !problem.empty()) {
    SetError(error, std::move(problem));
    return false;
  }
  std::optional<Document> doc = DocumentToChange(file, error);
  if (!doc) return false;
  if (!doc->Set(section, key, value) && PathExists(file)) return true;
  return WriteFileAtomic(file, doc->Serialize(), error);
}

bool DeleteKey(std::string_view file, std::string_view section, std::string_view key,
               std::string* error) {
  std::optional<Document> doc = DocumentToChange(file, error);
  if (!doc) return false;
  if (!doc->EraseKey(section, key)) return true;
  return WriteFileAtomic(file, doc->Serialize(), error);
}

bool DeleteSection(std::string_view file, std::string_view section, std::string* error) {
  std::optional<Document> doc = DocumentToChange(file, error);
  if (!doc) return false;
  if (!doc->EraseSection(section)) return true;
  return WriteFileAtomic(file, doc->Serialize(), error);
}

std::vector<std::pair<std::string, std::string>> ReadSection(std::string_view file,
                                                             std::string_view section) {
  std::optional<Document> doc = ReadDocument(file);
  if (!doc) return {};
  std::vector<std::pair<std::string, std::string>> entries = doc->Entries(section);
  for (auto& entry : entries) entry.second = CutValue(entry.second);
  return entries;
}

std::vector<std::string> SectionNames(std::string_view file) {
  std::optional<Document> doc = ReadDocument(file);
  return doc ? doc->SectionNames() : std::vector<std::string>{};
}

}  // namespace profile
