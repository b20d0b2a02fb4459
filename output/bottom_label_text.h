// The drawing-name line printed under a page (the footer): "VIREO " followed by the fields of
// the footer field list, or the default line with the date and print scale.
#pragma once

#include <string>

// A non-empty list replaces the held one; an empty held list is read from the settings
// ("ExportButtons", "DrawingName"). Returns the footer text.
std::string BottomLabelText(const std::string& fields);
// The held list (tests).
void BottomLabelTextReset();
