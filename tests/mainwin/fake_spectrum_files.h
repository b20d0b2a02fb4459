// Spectrum loading for the main window's tests: the Open dialog (flags 9) and the clipboard
// import (16) answer a scripted result and, when they load, name a file and set the sweep
// width; re-mapping onto the grid (2, 6) answers mapResult. Every call is recorded.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "documents/spec_record.h"
#include "engine/spectrum_file_services.h"

class FakeSpectrumFiles : public SpectrumFileServices {
 public:
  struct Call {
    int16_t flags;
    std::string fileName;
    float startHz, widthHz;
  };
  int16_t openResult = kSpectrumNothingLoaded;
  int16_t mapResult = kSpectrumLoaded;
  std::string chosenFile = "/data/spectra/ethanol.spc";
  // The file a failing Open dialog load (flags with 8) was given, as the user chose it.
  std::string failingFile;
  float sweepHz = 1000;
  float reference = 0;
  std::vector<Call> calls;

  int16_t LoadSpectrumKavo(std::string& fileName, std::vector<float>&, float startHz,
                           float widthHz, float, float&, int16_t flags) override {
    calls.push_back({flags, fileName, startHz, widthHz});
    const int16_t result = flags != 9 && flags != 16 ? mapResult : openResult;
    if (result != kSpectrumLoaded && (flags & 8) && !failingFile.empty()) fileName = failingFile;
    if (flags != 9 && flags != 16) return mapResult;
    if (openResult == kSpectrumLoaded) {
      fileName = chosenFile;
      gSpec.WdthHz = sweepHz;
      gSpec.Ref = reference;
    }
    return openResult;
  }
  float& SpecRef() override { return gSpec.Ref; }

  int CallsWith(int16_t flags) const {
    int n = 0;
    for (const Call& c : calls) n += c.flags == flags;
    return n;
  }
};
