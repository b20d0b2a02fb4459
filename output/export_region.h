// The part of the drawing an export draws, chosen by the framing words of the export text.
#pragma once

#include <string>

#include "output/output_services.h"

struct ExportRegion {
  OutputRegion box;    // world units: left, bottom, right, top
  float margin = 0.0f;  // added on every side
};

// "Page": the printed page, no margin. Otherwise the drawing's extents, widened to the ink of
// its labels as the export draws them, with the framing margin
// (row 23 in millimetres); "Marg" without "Draw" widens them to the page's left and right.
// "Frame" stands for the extents with the margin (as "Draw"), "Box" for "Marg".
ExportRegion ExportRegionFromSpec(const std::string& spec);
