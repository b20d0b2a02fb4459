// TecMag files: a 1352-byte header record ("TNT1.003TMAG", the point counts, frequency,
// reference and half sweep width as Doubles, title texts), data pairs of 8 bytes from byte 1056
// whose first 4 bytes, a Single, are the value, the first pair the highest point.
#include <cmath>
#include <limits>

#include "documents/spec_load_common.h"
#include "documents/spec_loaders.h"
#include "drawlib/util/error_location.h"
#include "drawlib/util/strings.h"
#include "platform/msgbox.h"

namespace {

constexpr std::size_t kHeaderBytes = 1352;
constexpr std::size_t kDataStart = 1056;
const std::string kMagic = "TNT1.003TMAG";
const std::string kTitle = "Load TecMag NMR File";

// A Double as a Single; infinity when it does not fit, so the header check refuses it.
float ToSingle(double v) {
  if (!std::isfinite(v) || std::fabs(v) > std::numeric_limits<float>::max())
    return std::numeric_limits<float>::infinity();
  return static_cast<float>(v);
}

}  // namespace

int16_t LoadSpectrumTECMAG(const std::string& fileName, SpecRec& rec, std::vector<float>& raw) {
  ErrorLocation = 6109;
  SpecLoadPointer pointer;
  std::optional<SpecFileBytes> file = SpecLoadRead(fileName, kTitle);
  if (!file) return 0;
  const SpecFileBytes header(file->Text(0, kHeaderBytes));
  if (header.Text(0, kMagic.size()) != kMagic) {
    MsgBox("<" + fileName + "> is not a TecMag NMR file.", vbExclamation, kTitle);
    return 0;
  }
  if (header.Long(24) >= 2) {
    MsgBox("ZEF can only handle 1D spectra. This file contains multi-dimensional data.");
    return 0;
  }

  const int64_t points = header.Long(20);
  const double r = header.Double(200), w = header.Double(260);
  rec.WdthHz = rec.ImpWdthHz = ToSingle(2 * w);
  rec.MHz = ToSingle(header.Double(104));
  rec.StartHz = rec.DispOffHz = 0;
  rec.Ref = ToSingle(-r - w);
  const std::size_t pairs = file->RecordsFrom(kDataStart, 8, 4);
  if (!SpecHeaderSound(rec, points, pairs)) return SpecLoadRefuse(fileName, kTitle);
  rec.NumPts = rec.ImpNumPts = static_cast<int32_t>(points);
  if (!SpecStoreDownwards(raw, rec.NumPts, pairs,
                          [&](std::size_t i) { return file->Single(kDataStart + 8 * i); }))
    return SpecLoadRefuse(fileName, kTitle);

  const std::string title =
      SpecTitleJoin({header.CleanText(0, 12), header.CleanText(896, 32),
                     header.CleanText(928, 16), header.CleanText(1308, 16)});
  rec.Strings[0] = "M > TecMag NMR Spectrum{/}" + MarkupEscape(fileName);
  rec.Strings[2] = "F > " + fileName;
  rec.Strings[3] = "L > " + title;
  ErrorLocation = 6110;
  return -1;
}
