#include "documents/spec_load_common.h"

#include "documents/spec_loaders.h"
#include "drawlib/util/strings.h"
#include "engine/mainwin_services.h"
#include "platform/atomic_file.h"
#include "platform/msgbox.h"

namespace {
int32_t gLowestLoaded = 0;
}  // namespace

void SpecNoteLowestLoaded(int32_t index) { gLowestLoaded = index; }

int32_t SpecLowestLoaded() { return gLowestLoaded; }

std::optional<SpecFileBytes> SpecLoadRead(const std::string& fileName, const std::string& title) {
  bool tooLarge = false;
  std::optional<std::string> bytes = ReadFileBytes(fileName, kMaxSpectrumFileBytes, &tooLarge);
  if (!bytes) {
    MsgBox("<" + fileName + (tooLarge ? "> is larger than 32 MB, more than any NMR spectrum "
                                        "file holds; it is not loaded."
                                      : "> could not be read."),
           vbExclamation, title);
    return std::nullopt;
  }
  return SpecFileBytes(std::move(*bytes));
}

int16_t SpecLoadRefuse(const std::string& fileName, const std::string& title) {
  MsgBox("<" + fileName + "> is damaged and cannot be loaded.", vbExclamation, title);
  return 0;
}

bool SpecHeaderSound(const SpecRec& rec, int64_t points, std::size_t valuesPresent) {
  if (points < 1 || static_cast<uint64_t>(points) > valuesPresent) return false;
  if (!std::isfinite(rec.WdthHz) || rec.WdthHz <= 0) return false;
  return std::isfinite(rec.MHz) && std::isfinite(rec.Ref) && std::isfinite(rec.LineBroadHz);
}

std::string SpecTitleJoin(const std::vector<std::string>& parts) {
  std::string title;
  for (const std::string& part : parts) {
    if (part.empty()) continue;
    if (!title.empty()) title += "{/}";
    title += MarkupEscape(part);
  }
  return title;
}

SpecLoadPointer::SpecLoadPointer() {
  MainWindow().SetMousePointer(MainWindowServices::kPointerHourglass);
}

SpecLoadPointer::~SpecLoadPointer() {
  MainWindow().SetMousePointer(MainWindowServices::kPointerDefault);
}
