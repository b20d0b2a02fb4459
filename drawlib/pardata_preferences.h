// The settings section "Preferences": one key per stored row, "<index> <Name>", whose value is
// the row's Default in the row's Format.
#pragma once

#include <string>

// The key of a row: "35 Print Scale:".
std::string PreferencesKey(int row);
// Writes the row's Default; false for a row that does not exist or a failed write.
bool PreferencesStore(int row);
// Takes one entry of the section: the key's leading number is the row, the value's number the
// new Default (a decimal comma is accepted). Entries naming no row of the table, or without a
// number, are ignored; returns whether the entry was taken.
bool PreferencesEntryRead(const std::string& key, const std::string& value);
// Reads the whole section into the table's Defaults, in file order.
void PreferencesRead();
