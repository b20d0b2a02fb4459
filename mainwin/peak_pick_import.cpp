#include "mainwin/peak_pick_import.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <string>

#include "documents/spec_record.h"
#include "engine/engine_globals.h"
#include "platform/line_ends.h"
#include "platform/runtime_numbers.h"

namespace {

constexpr std::string_view kCrLf = "\r\n";
constexpr size_t kShortestLine = 11;

// One left-to-right pass: each occurrence is replaced and the search goes on after it, so a
// pass shortens a run by one step only. Linear in the text's length.
std::string ReplacePass(std::string_view text, std::string_view find, std::string_view by) {
  std::string out;
  out.reserve(text.size());
  size_t pos = 0;
  for (size_t at = text.find(find); at != std::string_view::npos; at = text.find(find, pos)) {
    out.append(text.substr(pos, at - pos));
    out.append(by);
    pos = at + find.size();
  }
  out.append(text.substr(pos));
  return out;
}

// Blanks at line ends go, runs of blanks between columns become one comma.
std::string NormaliseSeparators(std::string text) {
  text = ReplacePass(text, "   \r\n", kCrLf);
  for (int i = 0; i < 3; ++i) text = ReplacePass(text, " \r\n", kCrLf);
  text = ReplacePass(text, ",\r\n", kCrLf);
  for (int i = 0; i < 2; ++i) text = ReplacePass(text, "\r\n\r\n", kCrLf);
  text = ReplacePass(text, " ", ",");
  text = ReplacePass(text, ",,,", ",");
  for (int i = 0; i < 2; ++i) text = ReplacePass(text, ",,", ",");
  return text;
}

// Field `index` (0-based) of a comma-separated line read with Val, within the float range.
float Field(std::string_view line, int index) {
  size_t start = 0;
  for (int i = 0; i < index; ++i) {
    const size_t comma = line.find(',', start);
    if (comma == std::string_view::npos) return 0;
    start = comma + 1;
  }
  const size_t end = line.find(',', start);
  const double v = Val(line.substr(start, end == std::string_view::npos ? end : end - start));
  if (std::isnan(v)) return 0;
  return static_cast<float>(std::clamp<double>(v, -FLT_MAX, FLT_MAX));
}

}  // namespace

bool ParsePeakList(std::string_view clipText, PeakList& list) {
  list = PeakList();
  std::string crlfText = CrLfLineEnds(clipText);
  if (crlfText.find("ppm") == std::string::npos) return false;
  const std::string text = NormaliseSeparators(std::move(crlfText));
  float largest = 0;
  size_t pos = 0;
  while (text.size() - pos >= 2 && list.count < kPeakListMaxLines) {
    const size_t end = text.find(kCrLf, pos);
    const std::string_view line =
        std::string_view(text).substr(pos, end == std::string::npos ? std::string::npos : end - pos);
    pos = end == std::string::npos ? text.size() : end + kCrLf.size();
    if (line.size() < kShortestLine) continue;
    const float freq = Field(line, 0);
    const float shift = Field(line, 1);
    const float intensity = Field(line, 2);
    if (!(intensity >= 1)) continue;  // column headings read as 0
    list.freq.push_back(freq);
    list.intensity.push_back(intensity);
    ++list.count;
    largest = std::max(largest, intensity);
    if (!list.hasMHz && shift != 0) {
      const double mhz = static_cast<double>(freq) / shift;
      if (std::isfinite(mhz) && std::fabs(mhz) <= FLT_MAX) {
        list.hasMHz = true;
        list.mhz = static_cast<float>(mhz);
      }
    }
  }
  if (list.count < 1) return false;
  for (float& v : list.intensity) v /= largest;
  return true;
}

int16_t PeakPickImport(std::string_view clipboardText) {
  PeakList list;
  if (!ParsePeakList(clipboardText, list)) return 0;
  EnsureLineCapacity(list.count);
  for (int i = 0; i <= list.count; ++i) {
    gLineFreq[static_cast<size_t>(i)] = list.freq[static_cast<size_t>(i)];
    gLineInt[static_cast<size_t>(i)] = list.intensity[static_cast<size_t>(i)];
  }
  gNumLines = static_cast<int16_t>(list.count);
  if (list.hasMHz) gSpec.MHz = list.mhz;
  gSimType = kPeakListType;
  gLineFit = 0;
  gSimPar[static_cast<size_t>(std::clamp<int16_t>(gLastPar, 0, kSimParCount - 1))].Value =
      kPeakListLineWidth;
  return -1;
}
