// The "DisableRef" value of the settings file and of a group file's header as a Boolean.
#pragma once

#include <string>

// -1, 1 or True on, 0 or False off (any case, blanks around ignored); anything else the
// default, on.
bool ReadDisableRef(const std::string& value);
