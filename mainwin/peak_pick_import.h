// A peak list pasted as text (one peak a line: frequency in Hz, shift in ppm, intensity; blank or
// comma separated, as spectral databases list them) turned into the engine's line list: the
// simulator then shows it as type 44, broadened with a fixed line width.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

inline constexpr int16_t kPeakListType = 44;
inline constexpr float kPeakListLineWidth = 0.7f;
// gNumLines is 16-bit: a longer list keeps its first lines.
inline constexpr int kPeakListMaxLines = 32767;

struct PeakList {
  // Lines 1..count; element 0 stays at frequency 0 and intensity 0.
  std::vector<float> freq{0.0f};
  std::vector<float> intensity{0.0f};  // relative: the largest is 1
  int count = 0;
  // The spectrometer frequency (Hz / ppm) of the first line whose shift is not 0.
  bool hasMHz = false;
  float mhz = 0;
};

// Reads the text; false when it holds no "ppm" (lower case) or no line with an intensity of at
// least 1. Lines of 10 characters or fewer are skipped; the first three comma-separated fields of
// a line (after runs of blanks have become single commas) are frequency, shift and intensity.
bool ParsePeakList(std::string_view text, PeakList& list);

// The pasted text as the simulator's line list: gLineFreq, gLineInt and gNumLines (the arrays
// only grow), the spectrometer frequency of gSpec when one can be derived, gSimType 44,
// gLineFit off and the last parameter (the line width) 0.7. Returns -1 when a list was imported,
// 0 when the text held none (then nothing changes).
int16_t PeakPickImport(std::string_view clipboardText);
