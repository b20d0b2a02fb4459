// An item's tag string: its secondary settings as "<key>value</key>" pairs, which the group
// editor shows in its " Private" row and carries through Copy and Paste.
#pragma once

#include <string>

#include "groups/sim_item.h"

std::string ItemTagBuild(const SimItem& item);
// Sets the fields whose tags are present in the tag; the others stay.
void ItemTagParse(const std::string& tag, SimItem& item);
// The tag holds a "Type" that is a valid type (or no "Type" at all).
bool ItemTagTypeValid(const std::string& tag);
