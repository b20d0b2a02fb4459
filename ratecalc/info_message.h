// The calculator's Info message: the equations it uses.
#pragma once

#include <string>

// Title of the Info box.
inline constexpr const char* kActivationInfoTitle = "Activation Parameters Info";
// Text of the Info box (lines separated by an empty line).
std::string ActivationInfoText();
// Shows the Info box (information icon).
void ShowActivationInfo();
