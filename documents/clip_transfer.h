// Drawings, spectrum objects and text through the system clipboard: the private format
// "ZEF61-MORAV" (a ClipBlock), with plain text, bitmaps and metafiles as fallbacks on reading.
#pragma once

#include <cstdint>
#include <string>

#include "documents/clip_block.h"

// The private format's number for this process (0 when it could not be registered).
int32_t ClipFormatRegister();

// Type word 1 puts a text on the clipboard as plain text; any other writes a ClipBlock of the
// text or bytes in the private format, beside the formats the same copy has placed.
void ClipDataSetVariant(const StepData& data, uint16_t type);

// Reads the private format, then plain text, a bitmap and the metafiles. Returns the ClipType.
uint16_t ClipDataGetVariant(StepData& data);

// The bits of the metafile on the clipboard: format 3 (Windows metafile) or 14 (enhanced).
// Returns their count, 0 when there is none.
int32_t ClipMetafileBits(int16_t format, std::string& bits);

// 8 or 40 for a metafile (10 or 42 when it holds an embedded drawing, whose bytes are then
// returned), 1024 for a refused one, 0 when there is none.
uint16_t ClipMetafileScan(std::string& bits);

// Forgets the registered format (tests).
void ClipTransferReset();
