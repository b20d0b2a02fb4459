#include "drawlib/ini/libr_ini.h"

#include "platform/profile.h"

std::string IniRegFile;
int16_t IniRegistered = 0;
std::string IniWriteError;

namespace {

bool CheckRegistered() {
  if (IniRegistered) return true;
  IniNotRegistered();
  return false;
}

bool NoteWrite(bool ok, const std::string& error) {
  IniWriteError = ok ? std::string() : error;
  return ok;
}

// Deletes the section, then writes each non-empty text under Str(its position). A failed write
// ends the walk; before registration every step runs and shows its message.
bool ReplaceSection(const std::vector<std::string>& texts, std::string_view section) {
  bool ok = IniDeleteSection(section);
  for (std::size_t i = 0; i < texts.size() && (ok || !IniRegistered); ++i) {
    if (!texts[i].empty())
      ok = IniPutString(section, IniIndexKey(static_cast<int>(i)), texts[i]) != 0 && ok;
  }
  return ok;
}

}  // namespace

void IniRegisterFile(std::string_view path) {
  IniRegFile = IniAbsolutePath(path);
  IniRegistered = -1;
}

std::string IniGetString(std::string_view section, std::string_view key,
                         std::string_view defaultValue) {
  if (!CheckRegistered()) return {};
  return profile::GetString(IniRegFile, section, key, defaultValue);
}

int32_t IniPutString(std::string_view section, std::string_view key, std::string_view value) {
  if (!CheckRegistered()) return 0;
  std::string error;
  return NoteWrite(profile::WriteString(IniRegFile, section, key, value, &error), error) ? 1 : 0;
}

int IniReadSection(std::string_view section, IniEntryTable& table) {
  if (!CheckRegistered()) return 0;
  return IniFillEntryTable(profile::ReadSection(IniRegFile, section), table);
}

bool IniDeleteSection(std::string_view section) {
  if (!CheckRegistered()) return false;
  std::string error;
  return NoteWrite(profile::DeleteSection(IniRegFile, section, &error), error);
}

void IniNotRegistered() { ShowIniNotRegistered(); }

void INItoList(std::vector<std::string>& list, std::string_view section) {
  list.clear();
  IniEntryTable table;
  const int count = IniReadSection(section, table);
  for (int i = 0; i < count; ++i) list.push_back(table[1][i]);
}

bool ListToINI(const std::vector<std::string>& list, std::string_view section) {
  return ReplaceSection(list, section);
}

bool CtrlMenuToINI(const std::vector<std::string>& captions, std::string_view section) {
  return ReplaceSection(captions, section);
}

void IniResetForTests() {
  IniRegFile.clear();
  IniRegistered = 0;
  IniWriteError.clear();
}
