#include "drawlib/ini/cls_file_ini.h"

#include <memory>
#include <optional>

#include "platform/atomic_file.h"
#include "platform/paths.h"
#include "platform/profile.h"
#include "platform/profile_document.h"
#include "platform/runtime_numbers.h"

// The file's parsed content, shared until the first change makes a copy of its own.
struct clsFileINI::Batch {
  std::shared_ptr<const profile::Document> read;
  std::optional<profile::Document> changed;
  const profile::Document& doc() const { return changed ? *changed : *read; }
  profile::Document& change() {
    if (!changed) changed = *read;
    return *changed;
  }
};

clsFileINI::clsFileINI() = default;
clsFileINI::~clsFileINI() = default;

bool clsFileINI::BeginBatch(bool fresh) {
  batch_.reset();
  if (!CheckRegistered()) return NoteWrite(false, "No file is named.");
  auto batch = std::make_unique<Batch>();
  if (!fresh) {
    profile::FileState state = profile::FileState::kMissing;
    batch->read = profile::Load(fileName_, &state);
    if (state == profile::FileState::kTooLarge)
      return NoteWrite(false, profile::TooLargeText(fileName_));
    if (state != profile::FileState::kMissing && !batch->read)
      return NoteWrite(false, "The file \"" + fileName_ + "\" cannot be read.");
  }
  if (!batch->read) batch->read = std::make_shared<const profile::Document>();
  batch_ = std::move(batch);
  return NoteWrite(true, "");
}

bool clsFileINI::CommitBatch() {
  if (!batch_) return NoteWrite(false, "No batch is open.");
  std::string error;
  const bool ok = WriteFileAtomic(fileName_, batch_->doc().Serialize(), &error);
  batch_.reset();
  return NoteWrite(ok, error);
}

void clsFileINI::AbandonBatch() { batch_.reset(); }

bool clsFileINI::CheckRegistered() const {
  if (registered_) return true;
  ShowIniNotRegistered();
  return false;
}

bool clsFileINI::NoteWrite(bool ok, const std::string& error) {
  writeError_ = ok ? std::string() : error;
  return ok;
}

bool clsFileINI::PrivDeleteEntry(std::string_view section, std::string_view key) {
  if (!CheckRegistered()) return false;
  if (batch_) {
    batch_->change().EraseKey(section, key);
    return NoteWrite(true, "");
  }
  std::string error;
  return NoteWrite(profile::DeleteKey(fileName_, section, key, &error), error);
}

bool clsFileINI::PrivDeleteSection(std::string_view section) {
  if (!CheckRegistered()) return false;
  if (batch_) {
    batch_->change().EraseSection(section);
    return NoteWrite(true, "");
  }
  std::string error;
  return NoteWrite(profile::DeleteSection(fileName_, section, &error), error);
}

void clsFileINI::GetSectEntriesEx(std::string_view section, IniEntryTable& table, int& count) {
  count = 0;
  if (!CheckRegistered()) return;
  if (batch_) {
    auto entries = batch_->doc().Entries(section);
    for (auto& entry : entries) entry.second = profile::CutValue(entry.second);
    count = IniFillEntryTable(entries, table);
    return;
  }
  count = IniFillEntryTable(profile::ReadSection(fileName_, section), table);
}

void clsFileINI::PrivIniFlushCache() { CheckRegistered(); }

void clsFileINI::PrivIniRead(std::string_view section, std::string_view key,
                             int32_t defaultNumber, std::string_view defaultText,
                             std::string& text, int32_t& number, std::string_view filePath) {
  if (number != 0) {
    number = profile::GetInt(filePath, section, key, defaultNumber);
    return;
  }
  std::string value = profile::GetString(filePath, section, key, defaultText);
  if (!value.empty()) text = std::move(value);
}

void clsFileINI::IniFilename(std::string_view path) {
  fileName_ = IniAbsolutePath(path);
  registered_ = true;
}

bool clsFileINI::PrivIniWrite(std::string_view section, std::string_view filePath,
                              std::string_view key, std::string_view value) {
  std::string error;
  return NoteWrite(profile::WriteString(filePath, section, key, value, &error), error);
}

bool clsFileINI::INIString(std::string_view section, std::string_view key,
                           std::string_view /*defaultValue*/, std::string_view value) {
  if (!CheckRegistered()) return false;
  if (batch_) {
    std::string problem = profile::Document::NameProblem(section, key);
    if (problem.empty()) batch_->change().Set(section, key, value);
    return NoteWrite(problem.empty(), problem);
  }
  std::string error;
  return NoteWrite(profile::WriteString(fileName_, section, key, value, &error), error);
}

std::string clsFileINI::INIString(std::string_view section, std::string_view key,
                                  std::string_view defaultValue) {
  if (!CheckRegistered()) return {};
  if (batch_) {
    const std::string* value = batch_->doc().FindValue(section, key);
    return value ? profile::CutValue(*value) : std::string(defaultValue);
  }
  return profile::GetString(fileName_, section, key, defaultValue);
}

bool clsFileINI::MenuToINI(const std::vector<std::string>& captions, std::string_view section) {
  bool ok = PrivDeleteSection(section);
  for (std::size_t i = 0; i < captions.size() && (ok || !registered_); ++i) {
    if (!captions[i].empty())
      ok = INIString(section, IniIndexKey(static_cast<int>(i)), "", captions[i]) && ok;
  }
  return ok;
}

void clsFileINI::INItoMenu(std::vector<std::string>& captions, std::string_view section) {
  IniEntryTable table;
  int count = 0;
  GetSectEntriesEx(section, table, count);
  for (int i = 0; i < count; ++i) {
    int16_t index = 0;
    if (!TryCInt(Val(table[0][i]), index) || index < 0 ||
        static_cast<std::size_t>(index) >= captions.size())
      continue;
    captions[static_cast<std::size_t>(index)] = table[1][i];
  }
}

void clsFileINI::INItoArray(std::vector<std::string>& keys, std::vector<std::string>& values,
                            std::string_view section) {
  IniEntryTable table;
  int count = 0;
  GetSectEntriesEx(section, table, count);
  if (count == 0) return;
  keys = table[0];
  values = table[1];
}
