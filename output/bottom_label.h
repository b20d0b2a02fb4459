// The footer printed under a page: the program's name, then the fields of the footer field
// list ("Date|Filename|Time|" ..., or "NotSpecified" for the default layout).
#pragma once

#include <ctime>
#include <functional>
#include <string>

// The field list held for the footer; "" until the footer dialog or the settings set it.
extern std::string BottomTextFields;

// A non-empty argument replaces the held field list. An empty or "NotSpecified" list is read
// from the settings ("ExportButtons", "DrawingName").
std::string BottomLabelText(const std::string& fields);

// The clock the footer's date and time come from (tests fix it); nullptr restores the system's.
void SetBottomLabelClock(std::function<std::tm()> clock);
void BottomLabelReset();
