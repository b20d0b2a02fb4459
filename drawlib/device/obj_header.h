// The header label of an embedded object step: "F > ", character 16, the kind tag, the name,
// " Wd: " width " Ht: " height (millimetres, "0000.0") and "}  ".
#pragma once

#include <cstdint>
#include <string>

std::string ObjHeaderMake(const std::string& name, int16_t kindCode, float width, float height);
// Reads the width and height after " Wd: " and " Ht: " into the frame width and height
// preferences (rows 102 and 103). A text without " Wd: " shows a message and returns false.
bool ObjHeaderParse(const std::string& label);
