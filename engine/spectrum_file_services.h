// What the engine uses of the drawing documents: loading the experimental spectrum of type 0 onto
// the display grid, and the reference of the simulator's spectrum record. The documents subsystem
// registers its implementation at start-up; without one, type 0 keeps gSpectrum as it is.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Results of LoadSpectrumKavo.
inline constexpr int16_t kSpectrumLoaded = -1;         // a spectrum was loaded
inline constexpr int16_t kSpectrumNothingLoaded = 2;   // the file, clipboard or drawing gave none
inline constexpr int16_t kSpectrumLoadFailed = 0;

class SpectrumFileServices {
 public:
  virtual ~SpectrumFileServices() = default;
  // Loads or re-maps a spectrum into target (points 1..gNumPts). Flags: 1 read the file, 2 map
  // onto the display grid scaled by the multiplier, 4 a simulation is shown, 8 Open dialog
  // first (the chosen name comes back in fileName), 16 from the clipboard, 32 from the
  // drawing's spectrum objects. Returns kSpectrumLoaded, kSpectrumNothingLoaded or
  // kSpectrumLoadFailed.
  virtual int16_t LoadSpectrumKavo(std::string& fileName, std::vector<float>& target,
                                   float startHz, float widthHz, float refHz, float& multiplier,
                                   int16_t flags) = 0;
  // The reference (Hz) of the simulator's spectrum record gSpec.
  virtual float& SpecRef() = 0;
  // The points first..last of target that its last mapping filled from loaded values (none when
  // last < first). False when target holds no mapped spectrum: then every point counts.
  virtual bool LoadedPoints(const std::vector<float>& /*target*/, int32_t& /*first*/,
                            int32_t& /*last*/) {
    return false;
  }
};

// Registers the implementation (not owned); nullptr removes it.
void RegisterSpectrumFileServices(SpectrumFileServices* services);
// The registered implementation, or nullptr.
SpectrumFileServices* SpectrumFiles();
