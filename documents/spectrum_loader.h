// The documents' side of the engine's spectrum-file seam: loading an experimental spectrum onto
// the display grid and the reference of gSpec.
#pragma once

#include "engine/spectrum_file_services.h"

class SpectrumLoader final : public SpectrumFileServices {
 public:
  // No spectrum file format is read yet: every load delivers nothing (2).
  int16_t LoadSpectrumKavo(std::string& fileName, std::vector<float>& target, float startHz,
                           float widthHz, float refHz, float& multiplier, int16_t flags) override;
  float& SpecRef() override;
};
