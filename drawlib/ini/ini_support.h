// What the settings-file module and the INI file class share.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// A section's entries: row 0 the key names, row 1 the values, both in file order.
using IniEntryTable = std::array<std::vector<std::string>, 2>;

// The message shown when a file is used before it was named.
void ShowIniNotRegistered();

// The path without leading and trailing blanks, made absolute against the working folder
// (the process never changes it). An empty path stays empty.
std::string IniAbsolutePath(std::string_view path);

// Fills the table with the entries when there is at least one (re-dimensioned to exactly their
// number); an empty list leaves the table as it was. Returns the number of entries.
int IniFillEntryTable(const std::vector<std::pair<std::string, std::string>>& entries,
                      IniEntryTable& table);

// The key under which a control index or list position is stored: Str(index), " 0", " 12".
std::string IniIndexKey(int index);
