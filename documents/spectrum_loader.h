// The documents' side of the engine's spectrum-file seam: loading an experimental spectrum (a
// file, the clipboard or the current drawing) and mapping it onto the display grid.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/spectrum_file_services.h"

// Flags of LoadSpectrumKavo.
inline constexpr int16_t kLoadReadFile = 1;
inline constexpr int16_t kLoadResample = 2;
inline constexpr int16_t kLoadOpenDialog = 8;
inline constexpr int16_t kLoadFromClipboard = 16;
inline constexpr int16_t kLoadFromDrawing = 32;

// Loads into gSpec and SpecRawData (flags 1, 16, 32; flag 8 asks for the file first) and, with
// flag 2, maps the raw values onto target(1..gNumPts) from startHz over widthHz, scaled to 0..1
// times the multiplier. Returns -1 when done, 2 when nothing was loaded.
int16_t LoadSpectrumKavo(std::string& fileName, std::vector<float>& target, float startHz,
                         float widthHz, float refHz, float& multiplier, int16_t flags);

// The display points first..last of a mapping that hold loaded values (none when last < first).
struct SpecShownPoints {
  int32_t first = 1;
  int32_t last = 0;
};

// Maps raw(rawFirst..) onto target(1..count): the point of display point i is i x step +
// offset, interpolated linearly when step <= 1, else the nearest lower point; 0 outside the
// loaded raw data (raw values below rawFirst hold nothing and are never used). Returns the
// smallest value written (1e6 when none is smaller); shown, when given, gets the display
// points that hold loaded values.
float SpecResample(const std::vector<float>& raw, std::vector<float>& target, int32_t count,
                   double pointsPerHz, double startHz, double refHz, double widthHz,
                   int32_t rawFirst = 0, SpecShownPoints* shown = nullptr);

// The display points of target that its last mapping by LoadSpectrumKavo filled from loaded
// values; false when target was never mapped from a loaded spectrum.
bool SpecLoadedPoints(const std::vector<float>& target, SpecShownPoints& shown);

// Forgets the values kept from the last load (tests).
void SpectrumLoaderReset();

class SpectrumLoader final : public SpectrumFileServices {
 public:
  int16_t LoadSpectrumKavo(std::string& fileName, std::vector<float>& target, float startHz,
                           float widthHz, float refHz, float& multiplier, int16_t flags) override;
  float& SpecRef() override;
  bool LoadedPoints(const std::vector<float>& target, int32_t& first, int32_t& last) override;
};
