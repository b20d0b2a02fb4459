// Plain text onto the clipboard.
#pragma once

#include <string_view>

// Puts the text (Windows-1252) on the clipboard as plain text, beside the other formats of the
// same copy (see platform/clipboard.h); the second text is not used.
// Error location 5201 on entry, 5202 on exit; when the clipboard cannot be reached the error is
// reported through FileErrorMsg with the label " In ZEF1CLIP.ClipboardSetText " and the location
// becomes 5204.
void ClipboardSetText(std::string_view text, std::string_view unused = {});
