// Lybrics (PCNMR) files: a key table of 5 x 64 entries of 8 bytes (a 4-character key whose last
// character gives the value type, then the value), and from byte 2560 pairs of 8 bytes whose
// first 4 bytes, a Long, are the value. The first pair is the highest point.
#include <cmath>

#include "documents/spec_load_common.h"
#include "documents/spec_loaders.h"
#include "drawlib/util/error_location.h"
#include "drawlib/util/strings.h"
#include "platform/msgbox.h"
#include "platform/runtime_numbers.h"

namespace {

constexpr std::size_t kKeyEntries = 5 * 64;
constexpr std::size_t kDataStart = kKeyEntries * 8;
constexpr int64_t kMostPoints = 32766;
const std::string kTitle = "Load Lybrics NMR File";

}  // namespace

int16_t LoadSpectrumLybrics(const std::string& fileName, SpecRec& rec, std::vector<float>& raw) {
  ErrorLocation = 6105;
  SpecLoadPointer pointer;
  std::optional<SpecFileBytes> file = SpecLoadRead(fileName, kTitle);
  if (!file) return 0;
  const std::string magic = file->Text(0, 8);
  if (magic != std::string("KEYSNMR\0", 8)) {
    MsgBox("<" + fileName + "> is not a Lybrics NMR file" + "[" + magic + "]", vbExclamation,
           kTitle);
    return 0;
  }

  int64_t points = 0;
  for (std::size_t e = 0; e < kKeyEntries; ++e) {
    const std::size_t at = e * 8;
    const std::string key = file->Text(at, 4);
    const int32_t asLong = file->Long(at + 4);
    const float asSingle = file->Single(at + 4);
    if (key == "SI L") {
      points = std::min<int64_t>(static_cast<int64_t>(RoundHalfEven(asLong / 2.0)), kMostPoints);
    } else if (key == "SW R") {
      rec.WdthHz = rec.ImpWdthHz = asSingle;
    } else if (key == "SF R") {
      rec.MHz = asSingle;
    } else if (key == "OFFR") {
      rec.Ref = asSingle;
    }
  }
  const std::size_t pairs = file->RecordsFrom(kDataStart, 8, 4);
  if (!SpecHeaderSound(rec, points, pairs)) return SpecLoadRefuse(fileName, kTitle);
  rec.NumPts = rec.ImpNumPts = static_cast<int32_t>(points);

  SpecStoreDownwards(raw, rec.NumPts, pairs, [&](std::size_t i) {
    return static_cast<float>(file->Long(kDataStart + 8 * i));
  });

  rec.Strings[0] = "M > Lybrics (PCNMR) Spectrum{/}" + MarkupEscape(fileName);
  rec.Strings[1].clear();
  rec.Strings[2] = "F > " + fileName;
  rec.Strings[3] = "L > No ID";
  ErrorLocation = 6106;
  return -1;
}
