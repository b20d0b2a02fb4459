// The output renderer: draws a region of the current drawing onto the printer, a Windows or
// enhanced metafile (clipboard, optionally a file), a bitmap (clipboard, BMP, GIF or JPG file)
// or the PostScript buffer of the EPS writer.
#pragma once

#include <cstdint>
#include <vector>

class Device;

// The renderer's step loop: labels of marked steps and the line objects between marked steps,
// from `first` (left one past the last step drawn) to `last`.
void DrawSteps(Device* dc, int16_t& first, int16_t last, const std::vector<int16_t>& marks);

// Draws steps first..last whose point lies in (x1, y1)-(x2, y2) onto the target of the flags.
// `first` is left one past the last step drawn. Nothing marked shows "Nothing to Print".
void RenderOutput(float x1, float y1, float x2, float y2, int16_t& first, int16_t last,
                  int16_t blackOnWhite, uint16_t flags);
// Fills the region with the colour scheme's background (nothing for white).
void FillBackground(Device* dc, float x1, float y1, float x2, float y2, uint16_t flags);
// Ends the print job when one is open; a failure is reported.
void EndPrintJob();
