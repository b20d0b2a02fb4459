// What the engine uses of the drawing documents: loading the experimental spectrum of type 0 onto
// the display grid, and the reference of the simulator's spectrum record. The documents subsystem
// registers its implementation at start-up; without one, type 0 keeps gSpectrum as it is.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class SpectrumFileServices {
 public:
  virtual ~SpectrumFileServices() = default;
  // Loads or re-maps a spectrum into target (points 1..gNumPts); flags 2 resample into the
  // target. Returns -1 when done, 2 when the load failed.
  virtual int16_t LoadSpectrumKavo(std::string& fileName, std::vector<float>& target,
                                   float startHz, float widthHz, float refHz, float& multiplier,
                                   int16_t flags) = 0;
  // The reference (Hz) of the simulator's spectrum record gSpec.
  virtual float& SpecRef() = 0;
};

// Registers the implementation (not owned); nullptr removes it.
void RegisterSpectrumFileServices(SpectrumFileServices* services);
// The registered implementation, or nullptr.
SpectrumFileServices* SpectrumFiles();
