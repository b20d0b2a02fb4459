// What the spectrum file loaders share: reading the file, the refusal of a damaged header, the
// title joined from text parts and the storing of the values from the top index downwards.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "documents/spec_file_bytes.h"
#include "documents/spec_record.h"

// Far beyond any spectrum file the loaders read (4 million complex points of NUTS data).
inline constexpr std::size_t kMaxSpectrumFileBytes = std::size_t{32} << 20;

// The file's bytes; a box and nothing when it cannot be read or is larger than
// kMaxSpectrumFileBytes (its size is looked at before anything is read).
std::optional<SpecFileBytes> SpecLoadRead(const std::string& fileName, const std::string& title);

// The box "<name> is damaged and cannot be loaded." with the loader's title; returns 0.
int16_t SpecLoadRefuse(const std::string& fileName, const std::string& title);

// True when the header can be used: 1 <= points <= valuesPresent, a positive sweep width and
// finite spectrometer frequency, reference and line broadening.
bool SpecHeaderSound(const SpecRec& rec, int64_t points, std::size_t valuesPresent);

// The parts that are not empty, each markup-escaped, joined by "{/}".
std::string SpecTitleJoin(const std::vector<std::string>& parts);

// Notes the lowest raw index the running load fills (SpecLowestLoaded reads it).
void SpecNoteLowestLoaded(int32_t index);

// raw = 0..points, zeros; then count values read by valueAt(0), valueAt(1)... are stored at
// indices points, points - 1, ...  Returns false when a value is not finite.
template <class ValueAt>
bool SpecStoreDownwards(std::vector<float>& raw, int32_t points, std::size_t count,
                        ValueAt valueAt) {
  raw.assign(static_cast<std::size_t>(points) + 1, 0.0f);
  const std::size_t n = std::min(count, raw.size());
  SpecNoteLowestLoaded(points + 1 - static_cast<int32_t>(n));
  for (std::size_t i = 0; i < n; ++i) {
    const float v = valueAt(i);
    if (!std::isfinite(v)) return false;
    raw[static_cast<std::size_t>(points) - i] = v;
  }
  return true;
}

// The hourglass while a loader runs, the default pointer when it ends.
class SpecLoadPointer {
 public:
  SpecLoadPointer();
  ~SpecLoadPointer();
  SpecLoadPointer(const SpecLoadPointer&) = delete;
  SpecLoadPointer& operator=(const SpecLoadPointer&) = delete;
};
