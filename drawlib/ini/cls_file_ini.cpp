#include "drawlib/ini/cls_file_ini.h"

#include "platform/profile.h"
#include "platform/runtime_numbers.h"

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
  std::string error;
  return NoteWrite(profile::DeleteKey(fileName_, section, key, &error), error);
}

bool clsFileINI::PrivDeleteSection(std::string_view section) {
  if (!CheckRegistered()) return false;
  std::string error;
  return NoteWrite(profile::DeleteSection(fileName_, section, &error), error);
}

void clsFileINI::GetSectEntriesEx(std::string_view section, IniEntryTable& table, int& count) {
  count = 0;
  if (!CheckRegistered()) return;
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
  std::string error;
  return NoteWrite(profile::WriteString(fileName_, section, key, value, &error), error);
}

std::string clsFileINI::INIString(std::string_view section, std::string_view key,
                                  std::string_view defaultValue) {
  if (!CheckRegistered()) return {};
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
