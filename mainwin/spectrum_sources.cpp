#include "mainwin/spectrum_sources.h"

#include "documents/clip_transfer.h"
#include "documents/drawing_file.h"
#include "documents/page_record.h"
#include "drawlib/steps/packed_drawing.h"
#include "drawlib/steps/step_list.h"
#include "drawlib/util/paths.h"
#include "platform/clipboard.h"

bool IsPlainFileForLoad(const std::string& path) { return !path.empty() && IsPlainFile(path); }

bool ClipboardHasSpectrum() {
  StepData data;
  return (ClipDataGetVariant(data) & kClipSpectrumBit) != 0;
}

GroupPage RestoreGroupDrawingPage(const std::string& groupFile, int16_t item) {
  const std::string drawing = ChangeExtension(groupFile, "zef");
  if (!IsPlainFile(drawing) || IsEmptyDrawingFile(drawing)) return GroupPage::kMissing;
  PageArray pages;
  if (FileLoadBin32Bit(pages, drawing, 0) != 0 || pages.size() < 2) return GroupPage::kUnreadable;
  const int page = item + 1;
  if (page < 1 || page > pages[1].pageCount || static_cast<std::size_t>(page) >= pages.size())
    return GroupPage::kMissing;
  PageRestore(pages[static_cast<std::size_t>(page)]);
  return GroupPage::kRestored;
}

void CopyPlotToClipboard() {
  ClipboardBatch batch;
  int16_t flags = kPackLong;
  const ByteArray bytes = PackZEFByte(1, StepCount, StepList, flags);
  if (!bytes.empty()) ClipDataSetVariant(StepData(bytes), kClipDrawing);
}
