#include "engine/spectrum_file_services.h"

namespace {
SpectrumFileServices* gRegisteredSpectrumFiles = nullptr;
}

void RegisterSpectrumFileServices(SpectrumFileServices* services) {
  gRegisteredSpectrumFiles = services;
}

SpectrumFileServices* SpectrumFiles() { return gRegisteredSpectrumFiles; }
