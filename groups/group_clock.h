// The clock of the group file's dates: "yyyy-mm-dd" and "hh:nn:ss". Tests replace it.
#pragma once

#include <ctime>
#include <functional>
#include <string>

using GroupClock = std::function<std::tm()>;

// Installs the clock; an empty one restores the system's local time.
void SetGroupClock(GroupClock clock);
std::string GroupDateText();
std::string GroupTimeText();
