// The PostScript string of every label character code: what the prolog's label procedures draw
// for it. Octal escapes name positions of the fonts' standard encoding; \025 draws the next code
// from the Symbol font, \026 sets the next (accent) code over the preceding character.
#pragma once

#include <string>
#include <vector>

inline constexpr int kCharCodes = 361;  // codes 0 to 360

// Fills target (361 entries, indexes 0 to 360) with the strings; unnamed codes stay empty.
void PSCharStrings(std::vector<std::string>& target);
