// NUTS data files (CDFF): 32-bit words; word 0 the byte-order mark 01 02 03 04, word 1 the
// data start, word 2 the dimensions, word 4 the layout variant, the header values at words
// 96..119, texts at words 205.. (or 268.. for variant 2), and complex pairs of Singles whose
// real parts are the points, the first pair the highest point.
#include "documents/spec_load_common.h"
#include "documents/spec_loaders.h"
#include "drawlib/util/error_location.h"
#include "drawlib/util/strings.h"
#include "platform/msgbox.h"
#include "platform/runtime_numbers.h"

namespace {

constexpr int32_t kByteOrderMark = 67305985;
const std::string kTitle = "Load NUTS NMR File";

std::size_t WordAt(int64_t word) { return static_cast<std::size_t>(word) * 4; }

}  // namespace

int16_t LoadSpectrumNuts(const std::string& fileName, SpecRec& rec, std::vector<float>& raw) {
  ErrorLocation = 6107;
  SpecLoadPointer pointer;
  std::optional<SpecFileBytes> file = SpecLoadRead(fileName, kTitle);
  if (!file) return 0;
  if (file->Long(0) != kByteOrderMark) {
    MsgBox("<" + fileName + "> is not a NUTS CDFF NMR file.", vbExclamation, kTitle);
    return 0;
  }
  const int32_t dimensions = file->Long(WordAt(2));
  if (dimensions > 1) {
    MsgBox("ZEF can only handle 1D spectra. This file contains" + Str(dimensions) +
           "-dimensional data.");
    return 0;
  }

  const bool variant2 = file->Long(WordAt(4)) == 2;
  std::string title, caption;
  if (!variant2) {
    title = SpecTitleJoin({file->CleanText(WordAt(205), 40), file->CleanText(WordAt(218), 40),
                           file->CleanText(WordAt(228), 32)});
    caption = file->CleanText(WordAt(236), 84);
  } else {
    title = SpecTitleJoin({file->CleanText(WordAt(284), 32), file->CleanText(WordAt(292), 32),
                           file->CleanText(WordAt(268), 32), file->CleanText(WordAt(276), 32)});
    caption = file->CleanText(WordAt(300), 128);
  }

  const int64_t points = file->Long(WordAt(96));
  rec.WdthHz = rec.ImpWdthHz = file->Single(WordAt(112));
  rec.MHz = file->Single(WordAt(113));
  rec.Ref = file->Single(WordAt(115));
  rec.LineBroadHz = file->Single(WordAt(119));
  if (file->Long(WordAt(99)) == 3) rec.Flags |= kSpecFlagPpm;

  const int64_t firstWord = int64_t(file->Long(WordAt(1))) + (variant2 ? 0 : 1);
  const std::size_t pairs =
      firstWord < 0 ? 0 : file->RecordsFrom(WordAt(firstWord), 8, 4);
  if (!SpecHeaderSound(rec, points, pairs)) return SpecLoadRefuse(fileName, kTitle);
  rec.NumPts = rec.ImpNumPts = static_cast<int32_t>(points);
  const std::size_t first = WordAt(firstWord);
  if (!SpecStoreDownwards(raw, rec.NumPts, pairs,
                          [&](std::size_t i) { return file->Single(first + 8 * i); }))
    return SpecLoadRefuse(fileName, kTitle);

  rec.Strings[0] = caption.empty() ? "M > Nuts Type 1/2 NMR Spectrum{/}" + MarkupEscape(fileName)
                                   : "M > " + MarkupEscape(caption);
  rec.Strings[2] = "F > " + fileName;
  if (!title.empty()) rec.Strings[3] = "L > " + title;
  ErrorLocation = 6108;
  return -1;
}
