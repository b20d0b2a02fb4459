// Line ends of text that comes from outside (the clipboard): CR LF, a lone CR and a lone LF all
// become CR LF, so readers split lines at CR LF only.
#pragma once

#include <string>
#include <string_view>

std::string CrLfLineEnds(std::string_view text);
