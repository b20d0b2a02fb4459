#include "platform/profile.h"

#include <sys/stat.h>
#include <time.h>

#include <algorithm>
#include <limits>
#include <memory>
#include <mutex>
#include <optional>

#include "platform/atomic_file.h"
#include "platform/paths.h"
#include "platform/profile_document.h"

namespace profile {

namespace {

// What a file held when it was last parsed, known by its identity, size and times, and by
// its bytes for a file changed so recently that its times may not tell a second change.
struct Parsed {
  std::string native;
  dev_t device = 0;
  ino_t inode = 0;
  off_t size = 0;
  timespec modified{};
  timespec changed{};
  timespec seen{};  // when the status was taken
  std::string bytes;
  std::shared_ptr<const Document> doc;
};

bool Before(const timespec& a, const timespec& b) {
  return a.tv_sec < b.tv_sec || (a.tv_sec == b.tv_sec && a.tv_nsec < b.tv_nsec);
}
bool Same(const timespec& a, const timespec& b) { return !Before(a, b) && !Before(b, a); }

// File times advance in coarse steps: a change within a second of the status taken is not
// trusted to show in the times.
bool SettledBefore(const timespec& fileTime, const timespec& seen) {
  timespec margin = seen;
  margin.tv_sec -= 1;
  return Before(fileTime, margin);
}

bool SameStatus(const Parsed& p, const struct stat& st) {
  return p.device == st.st_dev && p.inode == st.st_ino && p.size == st.st_size &&
         Same(p.modified, st.st_mtim) && Same(p.changed, st.st_ctim);
}

timespec Now() {
  timespec now{};
  ::clock_gettime(CLOCK_REALTIME, &now);
  return now;
}

// The parsed files, newest last; a few are kept (the settings file and an open group).
constexpr std::size_t kKeptFiles = 8;
std::mutex gParsedLock;
std::vector<Parsed> gParsed;

void Keep(const std::string& native, const struct stat& st, const timespec& seen,
          std::string bytes, std::shared_ptr<const Document> doc) {
  Parsed p{native, st.st_dev, st.st_ino, st.st_size, st.st_mtim, st.st_ctim, seen,
           std::move(bytes), std::move(doc)};
  std::lock_guard<std::mutex> hold(gParsedLock);
  std::erase_if(gParsed, [&](const Parsed& e) { return e.native == native; });
  if (gParsed.size() >= kKeptFiles) gParsed.erase(gParsed.begin());
  gParsed.push_back(std::move(p));
}

// The kept document when the file is unchanged by its status alone.
std::shared_ptr<const Document> KeptByStatus(const std::string& native, const struct stat& st) {
  std::lock_guard<std::mutex> hold(gParsedLock);
  for (const Parsed& p : gParsed)
    if (p.native == native && SameStatus(p, st) && SettledBefore(st.st_mtim, p.seen) &&
        SettledBefore(st.st_ctim, p.seen))
      return p.doc;
  return nullptr;
}

// The kept document when the file holds the same bytes.
std::shared_ptr<const Document> KeptByBytes(const std::string& native, const std::string& bytes) {
  std::lock_guard<std::mutex> hold(gParsedLock);
  for (const Parsed& p : gParsed)
    if (p.native == native && p.bytes == bytes) return p.doc;
  return nullptr;
}

void SetError(std::string* error, std::string text) {
  if (error) *error = std::move(text);
}

// The document to change: a copy of the file's content, an empty document for a file that
// does not exist yet, nothing when the file exists but cannot be read or is far too large
// (rewriting it would lose its content).
std::optional<Document> DocumentToChange(std::string_view file, std::string* error) {
  FileState state = FileState::kMissing;
  std::shared_ptr<const Document> doc = Load(file, &state);
  if (doc) return *doc;
  if (state == FileState::kMissing) return Document();
  SetError(error, state == FileState::kTooLarge
                      ? TooLargeText(file)
                      : "The settings file \"" + std::string(file) + "\" cannot be read.");
  return std::nullopt;
}

std::shared_ptr<const Document> ReadDocument(std::string_view file) { return Load(file); }

// Writes the changed document and keeps it as the file's parsed content.
bool Store(std::string_view file, const Document& doc, std::string* error) {
  std::string bytes = doc.Serialize();
  if (!WriteFileAtomic(file, bytes, error)) return false;
  // Another instance may have changed the file since the rename: the status is not trusted
  // until a read finds these bytes.
  const std::string native = NativePath(file);
  struct stat st;
  if (::stat(native.c_str(), &st) == 0)
    Keep(native, st, timespec{}, std::move(bytes), std::make_shared<const Document>(doc));
  return true;
}

}  // namespace

std::shared_ptr<const Document> Load(std::string_view file, FileState* state) {
  if (state) *state = FileState::kMissing;
  const std::string native = NativePath(file);
  const timespec seen = Now();
  struct stat st;
  if (::stat(native.c_str(), &st) != 0) return nullptr;
  if (state) *state = FileState::kUnreadable;
  if (!S_ISREG(st.st_mode)) return nullptr;
  if (std::shared_ptr<const Document> doc = KeptByStatus(native, st)) {
    if (state) *state = FileState::kRead;
    return doc;
  }
  bool tooLarge = false;
  std::optional<std::string> bytes = ReadNativeFileBytes(native, kMaxFileBytes, &tooLarge);
  if (!bytes) {
    if (state) *state = tooLarge ? FileState::kTooLarge : FileState::kUnreadable;
    return nullptr;
  }
  std::shared_ptr<const Document> doc = KeptByBytes(native, *bytes);
  if (!doc) doc = std::make_shared<const Document>(Document::Parse(*bytes));
  // Kept under the status taken before the read: a change made meanwhile gives a new status.
  Keep(native, st, seen, std::move(*bytes), doc);
  if (state) *state = FileState::kRead;
  return doc;
}

bool TooLarge(std::string_view file) {
  FileState state = FileState::kMissing;
  Load(file, &state);
  return state == FileState::kTooLarge;
}

std::string TooLargeText(std::string_view file) {
  return "The file \"" + std::string(file) +
         "\" is larger than 16 MB, far more than any settings or group file holds; it is not read "
         "and nothing is written over it.";
}

std::string CutValue(std::string_view value) {
  // Blanks that the cut leaves at the end go too, so that a value saved as read reads back the
  // same (the file's values are trimmed on every read).
  return TrimBlanks(value.substr(0, std::min(value.find('\0'), kMaxValueLength)));
}

std::string GetString(std::string_view file, std::string_view section, std::string_view key,
                      std::string_view defaultValue) {
  std::shared_ptr<const Document> doc = ReadDocument(file);
  const std::string* value = doc ? doc->FindValue(section, key) : nullptr;
  return value ? CutValue(*value) : std::string(defaultValue);
}

int32_t GetInt(std::string_view file, std::string_view section, std::string_view key,
               int32_t defaultValue) {
  std::shared_ptr<const Document> doc = ReadDocument(file);
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
  return Store(file, *doc, error);
}

bool DeleteKey(std::string_view file, std::string_view section, std::string_view key,
               std::string* error) {
  std::optional<Document> doc = DocumentToChange(file, error);
  if (!doc) return false;
  if (!doc->EraseKey(section, key)) return true;
  return Store(file, *doc, error);
}

bool DeleteSection(std::string_view file, std::string_view section, std::string* error) {
  std::optional<Document> doc = DocumentToChange(file, error);
  if (!doc) return false;
  if (!doc->EraseSection(section)) return true;
  return Store(file, *doc, error);
}

std::vector<std::pair<std::string, std::string>> ReadSection(std::string_view file,
                                                             std::string_view section) {
  std::shared_ptr<const Document> doc = ReadDocument(file);
  if (!doc) return {};
  std::vector<std::pair<std::string, std::string>> entries = doc->Entries(section);
  for (auto& entry : entries) entry.second = CutValue(entry.second);
  return entries;
}

std::vector<std::string> SectionNames(std::string_view file) {
  std::shared_ptr<const Document> doc = ReadDocument(file);
  return doc ? doc->SectionNames() : std::vector<std::string>{};
}

}  // namespace profile
