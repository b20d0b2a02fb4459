// The simulation-group file (".sim"): the header section "Simulation Group", one section
// "SaveRestore n" per saved item and the caption list "Kavo SaveRestore". An item moves between
// its record and the file with SimItemSave and SimItemRestore. Each save is one atomic write.
#pragma once

#include <cstdint>
#include <string>

#include "drawlib/ini/cls_file_ini.h"
#include "groups/sim_item.h"

inline constexpr const char* kGroupHeaderSection = "Simulation Group";
inline constexpr const char* kItemCaptionSection = "Kavo SaveRestore";

// "SaveRestore" & Str(index).
std::string ItemSectionName(int16_t index);
// Trim(Right(Str(index + 1), 2) & ". " & Trim(name)): the caption stored for an item.
std::string ItemCaptionText(int16_t index, const std::string& name);

// Writes the header from the module values, then (unless the item's type is -1 or not a valid
// type) the item's section and caption, into a file whose batch is open.
void SimItemWrite(clsFileINI& file, const SimItem& item, int16_t index, bool writeHeader);
// Reads an item (and first the header into the module values) from a file whose batch is open.
void SimItemRead(clsFileINI& file, SimItem& item, int16_t index, bool readHeader);

// One item into the group file, created when missing, in one atomic write. False with the
// reason in `error` when the file could not be read or written; it is then unchanged.
bool SimItemSave(const SimItem& item, int16_t index, const std::string& path, bool writeHeader,
                 std::string* error = nullptr);
// One item from the group file (a missing file or section reads as an empty slot). The item's
// PrivateTag and page are kept. False when the file exists but cannot be read (the item then
// is an empty slot and the module values are unchanged).
bool SimItemRestore(SimItem& item, int16_t index, const std::string& path, bool readHeader);

// The header and caption list of a new group file, in one atomic write; item sections already
// in the file stay.
bool WriteNewGroupFile(const std::string& path, std::string* error = nullptr);

// The message of a failed save.
std::string GroupSaveFailedText(const std::string& path, const std::string& reason);
// The file holds the header or at least one item section (it is a group file).
bool IsReadableGroupFile(const std::string& path);
std::string UnreadableGroupText(const std::string& path);
