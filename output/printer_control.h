// Printer set-up for the drawing library: the world-window scales and the page sizes from the
// printer, its orientation from the print direction (row 20), and the EPS rotation flag.
#pragma once

#include <cstdint>

// Options: 4 sets the orientation first. Stores the pixel scales at the print scale (row 35) and
// the printable and paper sizes in world units; returns the printer's handle, 0 without a
// printer (the sizes are then those of a 600-dpi Letter page).
int32_t PrinterSetupRun(int16_t& options);
// The orientation of the printer from row 20: 1 portrait, 2 landscape.
void SetPrinterOrientation();
// True when a w by h page agrees with the print direction (never for a square).
bool PageMatchesOrientation(float w, float h);
int16_t PrinterReadyFlag();
int16_t EpsRotatedGet();
void EpsRotatedSet(int16_t& value);

// Registers the printer control with the drawing library and connects the PostScript writer's
// rotation flag (start-up).
void PrinterControlRegister();
void PrinterControlReset();
