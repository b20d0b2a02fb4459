// Right-click help of the spectrum layout dialog: the page-design boxes, the box-size frames with
// their boxes and "Full" buttons, the command buttons and the parameter boxes carry their help
// context numbers.
#pragma once

#include <cstdint>

class frmPref1;

// The number of page-design box j (a bit of the print-box toggles), 0 for none.
int32_t PageDesignHelpContext(int j);

// Attaches the numbers to the dialog's controls (after its parameter boxes are made).
void AttachLayoutHelp(frmPref1& dialog);
