#include "documents/spectrum_loader.h"

#include "documents/spec_record.h"

int16_t SpectrumLoader::LoadSpectrumKavo(std::string&, std::vector<float>&, float, float, float,
                                         float&, int16_t) {
  return kSpectrumNothingLoaded;
}

float& SpectrumLoader::SpecRef() { return gSpec.Ref; }
