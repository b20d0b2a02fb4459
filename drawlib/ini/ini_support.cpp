#include "drawlib/ini/ini_support.h"

#include <filesystem>
#include <optional>
#include <system_error>

#include "platform/msgbox.h"
#include "platform/paths.h"
#include "platform/runtime_numbers.h"
#include "platform/runtime_text.h"

void ShowIniNotRegistered() {
  MsgBox("[Section] and FileName Not Registered in Private.Ini!", vbOKOnly + vbCritical,
         "IniFile Logic Error");
}

std::string IniAbsolutePath(std::string_view path) {
  std::string trimmed = Trim(path);
  if (trimmed.empty() || trimmed.front() == '/') return trimmed;
  std::error_code ec;
  const std::filesystem::path cwd = std::filesystem::current_path(ec);
  if (ec) return trimmed;
  const std::optional<std::string> folder = ProgramPath(cwd.string());
  return folder ? PathJoin(*folder, trimmed) : trimmed;
}

int IniFillEntryTable(const std::vector<std::pair<std::string, std::string>>& entries,
                      IniEntryTable& table) {
  if (entries.empty()) return 0;
  table[0].clear();
  table[1].clear();
  for (const auto& [key, value] : entries) {
    table[0].push_back(key);
    table[1].push_back(value);
  }
  return static_cast<int>(entries.size());
}

std::string IniIndexKey(int index) { return Str(index); }
