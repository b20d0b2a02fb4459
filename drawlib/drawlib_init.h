// Start-up of the drawing library and its small shared helpers.
#pragma once

#include <array>
#include <cstdint>
#include <string>

class OutputObject;

// BitMask(i) = 2^i for i = 0 to 14, BitMask(15) = the bit pattern 0x8000.
extern std::array<uint16_t, 16> BitMask;
// Set to 1 at start-up; the output code selects its paths by it.
extern int16_t LibraryMode;

// Starts the library: bit masks, the preference table, the file start-up (preferences and colour
// scheme), the text styles; then the picture takes the scheme's colours and output goes to the
// screen. Called once at start-up with the main picture.
void DrawLibInit(OutputObject* picture);

// A direction in degrees and a length in millimetres as world-unit offsets (the length's sign is
// ignored).
void PolarToXY(float angleDeg, float lengthMM, float& x, float& y);

// Receives status texts such as "Nothing to Print"; shows nothing.
void EmptyTextProc(const std::string& text);

// Back to the state before start-up for the whole library (tests): the table, the colour
// schemes, the step list, the output slots, the printer sizes, the device state, the utilities'
// state and the settings-file registration.
void DrawLibReset();
