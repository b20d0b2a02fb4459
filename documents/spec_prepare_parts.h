// The shared geometry of one spectrum drawing and the drawing of its items (integrals,
// insets, markers, annotations), for spec_prepare.cpp and spec_prepare_items.cpp.
#pragma once

#include <cstdint>
#include <vector>

#include "documents/spec_record.h"

class Device;

inline constexpr float kSpecMM = 40.2f;  // world units per millimetre

struct SpecFrame {
  Device* dc = nullptr;
  SpecRec* rec = nullptr;
  const std::vector<int16_t>* points = nullptr;
  int16_t mode = 0;
  float ox = 0, oy = 0;       // the spectrum origin
  float W = 0, H = 0;         // spectrum box
  float L = 0, B = 0, T = 0;  // margins
  float bigTick = 0;          // t of the main axis
  float g = 0;                // caption distance below the ticks
  int16_t first = 0, last = 0;  // the trace's points (clamped as the trace clamps them)
  float xPerPoint = 0;
  float* box = nullptr;       // the extents box

  // The trace's x of point k.
  float XOfPoint(int32_t k) const { return ox - float(last - k) * xPerPoint; }
  // The trace's x of frequency f (Hz, less the reference).
  float XOfFrequency(float f) const;
  // True when f lies strictly inside the shown range.
  bool Shows(float f) const;
};

// A preference row's value in use, and the same times 40.2.
float SpecPref(int row);
inline float SpecPrefWorld(int row) { return SpecPref(row) * kSpecMM; }

// 1 / MHz when ppm is asked and the frequency is positive, else 1.
float SpecPpmFactor(const SpecRec& rec, bool ppm);

void SpecDrawIntegrals(const SpecFrame& f);
void SpecDrawInsets(const SpecFrame& f);
void SpecDrawMarkers(const SpecFrame& f);
void SpecDrawAnnotations(const SpecFrame& f);
