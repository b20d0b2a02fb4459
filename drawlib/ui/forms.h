// Window placement in twips for the Qt windows: restoring the rectangle kept in the settings
// ("left,top,width,height", section "Dialog Position and Size"), the text to keep, and centring.
// The screen is the available area of the screen the window is on; every placement keeps the
// window with its frame on that area.
#pragma once

#include <string>
#include <string_view>

class QWidget;

// Twips per pixel of the window's screen (1440 / logical DPI; 15 at 96 DPI).
double TwipsPerPixel(const QWidget* form);
// Nothing for an empty text; otherwise the window takes the rectangle, at least 3500 x 2500
// twips, no larger than the screen and with its corner on the screen.
void FormRestorePos(QWidget* form, std::string_view text);
// The window's rectangle as it is kept: Str(Left) + "," + Str(Top) + "," + Str(Width) + "," +
// Str(Height), in twips.
std::string FormPosText(const QWidget* form);
// Centres the window horizontally and puts it slightly above the vertical centre.
void CenterForm(QWidget* form);
