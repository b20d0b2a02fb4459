// Spectrum loading for the main window's tests: the Open dialog (flags 9) and the clipboard
// import (16) answer a scripted result and, when they load, name a file and set the sweep
// width; re-mapping onto the grid (2, 6) answers mapResult. Every call is recorded with the
// vertical multiplier it was given. The loaded points of an array are what a test puts into
// loaded.
#pragma once

#include <cstdint>
#include <map>
#include <tuple>
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
    float mult;
  };
  int16_t openResult = kSpectrumNothingLoaded;
  int16_t mapResult = kSpectrumLoaded;
  std::string chosenFile = "/data/spectra/ethanol.spc";
  // The file a failing Open dialog load (flags with 8) was given, as the user chose it.
  std::string failingFile;
  float sweepHz = 1000;
  float reference = 0;
  std::vector<Call> calls;
  std::map<const std::vector<float>*, std::pair<int32_t, int32_t>> loaded;

  int16_t LoadSpectrumKavo(std::string& fileName, std::vector<float>&, float startHz,
                           float widthHz, float, float& mult, int16_t flags) override {
    calls.push_back({flags, fileName, startHz, widthHz, mult});
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
  bool LoadedPoints(const std::vector<float>& target, int32_t& first, int32_t& last) override {
    const auto it = loaded.find(&target);
    if (it == loaded.end()) return false;
    std::tie(first, last) = it->second;
    return true;
  }

  int CallsWith(int16_t flags) const {
    int n = 0;
    for (const Call& c : calls) n += c.flags == flags;
    return n;
  }
};
