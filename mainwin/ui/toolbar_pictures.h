// The pictures of the display toolbar's buttons, drawn as short texts with arrows.
#pragma once

#include <QString>

#include <string>

// The text for button `index` showing hidden picture `image2Index` (-1: its own picture);
// buttons with a caption keep it.
QString ToolbarPicture(int index, int image2Index, const std::string& caption);
