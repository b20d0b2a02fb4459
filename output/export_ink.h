// The ink of a drawing at an export's scale: the steps are laid out and drawn, with the labels
// as the export draws them, onto a device that only keeps their box, so that the picture can
// take in every label's ink (a title wider than its spectrum, a caption's descenders).
#pragma once

#include <cstdint>

#include "output/output_services.h"

// Widens the region (world units) to the ink of the steps whose point lies in it, drawn as an
// export of the flags would draw them. Without a measuring device the region stays.
void ExportInkExtend(OutputRegion& region, uint16_t flags);
