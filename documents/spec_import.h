// Taking a spectrum object from the clipboard or from the first steps of the current drawing
// into a spectrum record and the raw spectrum data.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "documents/spec_record.h"
#include "drawlib/steps/step_list.h"

inline constexpr int16_t kSpecImportClipboard = 16;
inline constexpr int16_t kSpecImportDrawing = 32;
inline constexpr int kSpecImportScratchStep = 1503;

// The raw values of the loaded experimental spectrum, index 0..points.
extern std::vector<float> SpecRawData;

// Reads the clipboard; true when it holds a spectrum object (a type word with bit 64): type
// becomes 65532 and the bytes are split into label text and packet.
bool ClipSpecGet(uint16_t& type, std::string& text, StepData& data);

// Flag 16: from the clipboard; 32: the first of steps 1 to 5 that is a spectrum object of an
// experimental kind (low three bits 0 or 4); with both only the clipboard is tried. On success
// the object is handed over (ZEFSpectrumSetGet), unpacked into rec, its start moved to 0, and
// SpecRawData holds its points.
bool SpecImport(SpecRec& rec, int16_t flags);

// Empties SpecRawData (tests).
void SpecImportReset();
