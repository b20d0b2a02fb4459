// The resolution of screen-referenced exports (every BMP and GIF of the export dialog, and the
// "-S" metafiles): the drawing at the size it prints (the print scale) on a screen of 15 twips
// to the pixel. The renderer draws with this scale and the export dialog states its dots per
// inch, so the number shown is the number written.
#pragma once

inline constexpr float kTwipsPerScreenPixel = 15.0f;

// The print scale exports use (preference 35; 0.7 when it is not a positive number).
float ExportPrintScale();
// Pixels per world unit of a screen-referenced export at the print scale.
float ScreenExportPixelsPerWorldUnit(float printScale);
// Its dots per inch at the printed size.
float ScreenExportDpi(float printScale);
