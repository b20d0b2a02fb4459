// Geometry of a spectrum object: point indexes, rescaling to a new frame size, and the tick
// spacing of its axis.
#pragma once

#include <cstdint>
#include <string>

#include "documents/spec_record.h"
#include "drawlib/util/byte_array.h"

// Point index of frequency x (Hz): (x - start) / Hz per point rounded (halves to even), start =
// the current-layout start with flag 0x200, else the shown range's left edge. 0 when the
// spacing is 0; limited to the 16-bit range.
int16_t SpecXToPoint(const SpecRec& rec, float x);

// Hz per tenth of the spectrum width: the shown width over "Spectrum Width (mm):" / 10 (0 when
// that width is 0 or the result is out of range), stored in rec.HzPerCm.
void SpecHzPerTenth(SpecRec& rec);
// Scales the spectrum layout preferences and the record's insets and integrals by fx
// (horizontal) and fy (vertical). Results saturate at the float range.
void SpecScale(SpecRec& rec, float fx, float fy);

// Unpacks a spectrum object into a scratch record and point array, scales it to the new width
// and height (mm) and packs it again into data and the header label. The drawing library
// reaches it through its document services.
void SpecRescaleObject(ByteArray& data, std::string& headerLabel, float newWidthMM,
                       float newHeightMM);

// The axis tick spacing preferences for the record's shown range; force 65535 (-1) recomputes
// always, any other value only when the present separation gives too few or too many ticks.
void SpecAxisUnit(const SpecRec& rec, int16_t force);
