// The settings file of the process: named once at start-up with IniRegisterFile, then read and
// written through these procedures. Every call sees the file as it is: a read reuses the parsed
// content only while the file is unchanged (platform/profile keeps it by the file's identity,
// size and times), and a write rewrites the file at once, so nothing waits in memory unsaved.
// Before registration every operation shows the not-registered message and does nothing.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "drawlib/ini/ini_support.h"

// The registered settings file (absolute path, no surrounding blanks) and whether one is.
extern std::string IniRegFile;
extern int16_t IniRegistered;  // 0 False, -1 True; never reset by the program
// Why the last failed write of this module failed (empty after a successful one).
extern std::string IniWriteError;

void IniRegisterFile(std::string_view path);
// The key's value, or the default when the key, section or file is missing; "" for a key
// stored with an empty value.
std::string IniGetString(std::string_view section, std::string_view key,
                         std::string_view defaultValue);
// Non-zero on success; 0 when not registered or the write failed (reason in IniWriteError).
int32_t IniPutString(std::string_view section, std::string_view key, std::string_view value);
// Fills the table with the section's keys and values in file order and returns their number;
// a missing or empty section returns 0 and leaves the table as it was.
int IniReadSection(std::string_view section, IniEntryTable& table);
// Removes the section with all its keys; false when not registered or the write failed.
bool IniDeleteSection(std::string_view section);
void IniNotRegistered();

// List-box and menu contents, as their item texts (position = list position or control Index).
// Clears the list, then adds the section's values in file order.
void INItoList(std::vector<std::string>& list, std::string_view section);
// Replaces the section by the items: deletes it, then writes each non-empty item under the key
// Str(position). Stops at the first failed write and returns false.
bool ListToINI(const std::vector<std::string>& list, std::string_view section);
// Replaces the section by the menu captions: deletes it, then writes each non-empty caption
// under the key Str(Index). Stops at the first failed write and returns false.
bool CtrlMenuToINI(const std::vector<std::string>& captions, std::string_view section);

// Back to the state before registration (tests).
void IniResetForTests();
