// NUTS text files, type 3: a text header of "##key = value" parts, the data marker Ctrl-Z, then
// pairs of 8 bytes whose first 4 bytes, a Single, are the value, the first pair the highest
// point.
#include <algorithm>

#include "documents/spec_load_common.h"
#include "documents/spec_loaders.h"
#include "drawlib/util/error_location.h"
#include "drawlib/util/numbers.h"
#include "drawlib/util/strings.h"
#include "platform/msgbox.h"
#include "platform/runtime_text.h"

namespace {

constexpr std::size_t kMarkerSearch = 10000;
constexpr char kDataMarker = 26;
const std::string kTitle = "Load NUTS NMR File";
const std::string kMultiDimensional =
    "ZEF can only handle 1D spectra. This file contains multi-dimensional data.";

std::string Trimmed(std::string text) { return TrimNul(text, 0); }

std::string WithoutLineBreaks(std::string_view text) {
  std::string out;
  for (char c : text)
    if (c != '\r') out += c;
  return out;
}

// The header text: its first 2 characters dropped, LF made CR, CR CR made CR, upper case.
std::string HeaderText(const std::string& bytes, std::size_t marker) {
  std::string text = marker > 2 ? bytes.substr(2, marker - 2) : std::string();
  std::replace(text.begin(), text.end(), '\n', '\r');
  text = ReplaceAll(text, "\r\r", "\r");
  return UCase(text);
}

}  // namespace

int16_t LoadSpectrumNUTST3(const std::string& fileName, SpecRec& rec, std::vector<float>& raw) {
  ErrorLocation = 6111;
  SpecLoadPointer pointer;
  std::optional<SpecFileBytes> file = SpecLoadRead(fileName, kTitle);
  if (!file) return 0;
  const std::string& bytes = file->bytes();
  const std::size_t marker =
      bytes.substr(0, std::min(kMarkerSearch, bytes.size())).find(kDataMarker);
  if (marker == std::string::npos) {
    MsgBox("LoadSpectrumNUTST3 Error. No Data marker (c-Z) found in first 10,000 bytes.");
    return 0;
  }

  std::string header = HeaderText(bytes, marker);
  std::string title, date;
  double points = 0;
  while (!header.empty()) {
    std::string part = GetToken(header, "##");
    if (Trimmed(part).empty()) continue;
    std::string value = part;
    const std::string key = Trimmed(GetToken(value, "="));
    value = Trimmed(value);
    if (key == ".OBSERVE FREQUENCY" || key == "$FREQUENCY") {
      rec.MHz = ValPoint(value);
    } else if (key == "TITLE") {
      title = WithoutLineBreaks(value);
    } else if (key == "$DATE") {
      date = WithoutLineBreaks(value);
    } else if (key == "$POINTS") {
      std::string second = value;
      points = ValPoint(GetToken(second, ","));
      if (ValPoint(second) > 1.1f) {
        MsgBox(kMultiDimensional);
        return 0;
      }
    } else if (key == "$SWEEP_WIDTH") {
      rec.WdthHz = rec.ImpWdthHz = ValPoint(value);
      rec.StartHz = rec.DispOffHz = 0;
    } else if (key == "$FREQ_OFFSET") {
      rec.Ref = ValPoint(value);
    } else if (key == "$TOTAL_LB") {
      rec.LineBroadHz = ValPoint(value);
    }
  }

  const std::size_t pairs = file->RecordsFrom(marker + 1, 8, 4);
  const bool whole = std::isfinite(points) && points == std::floor(points) && points < 2e9;
  if (!whole || !SpecHeaderSound(rec, static_cast<int64_t>(whole ? points : 0), pairs))
    return SpecLoadRefuse(fileName, kTitle);
  rec.NumPts = rec.ImpNumPts = static_cast<int32_t>(points);
  rec.Ref -= rec.WdthHz / 2;
  rec.HzPerPt = rec.WdthHz / static_cast<float>(rec.NumPts);
  // `points` values, from the top index down to 1.
  if (!SpecStoreDownwards(raw, rec.NumPts, std::min<std::size_t>(pairs, rec.NumPts),
                          [&](std::size_t i) { return file->Single(marker + 1 + 8 * i); }))
    return SpecLoadRefuse(fileName, kTitle);

  rec.Strings[0] = title.size() >= 3 ? "M > " + MarkupEscape(title)
                                     : "M > Nuts Type 3 NMR Spectrum{/}" + MarkupEscape(fileName);
  rec.Strings[2] = "F > " + fileName;
  rec.Strings[3] = "L > " + MarkupEscape(date);
  ErrorLocation = 6112;
  return -1;
}
