// Reading exported and printed plots back with independent programs (ghostscript, netpbm,
// poppler, libwmf, emf2svg) and looking for what a reader of the plot sees: a spectrum trace
// that rises above its flat baseline, and the plot's labels.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tests/support/ppm_raster.h"

// Runs a shell command; its standard output, and the exit status in `status`.
std::string Shell(const std::string& command, int& status);

// What a look at a raster picture of the plot finds.
struct RasterTrace {
  bool baseline = false;   // a horizontal line across much of the picture
  int baselineRow = -1;
  int peakColumns = 0;     // columns whose ink rises from the baseline by a tenth of the height
  int peakHeight = 0;      // the highest such rise, in pixels
  int inkBelow = 0;        // separate marks (axis numbers, ticks) under the baseline
  int textLines = 0;       // bands of ink above it that are neither the trace nor a frame
  std::string Describe() const;
};
RasterTrace FindRasterTrace(const Raster& picture);

// What an SVG rendering of a metafile holds: its texts and the longest polyline (the trace).
struct SvgPlot {
  std::vector<std::string> texts;
  std::size_t tracePoints = 0;
  double baselineY = 0, highestY = 0, lowestY = 0, width = 0;
  double baselineShare = 0;  // share of the trace's points that lie on its baseline
  std::string Describe() const;
};
SvgPlot ReadSvgPlot(const std::string& svg);
