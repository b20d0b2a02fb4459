// The stacked plot of a group's drawing pages.
#include <algorithm>
#include <cmath>
#include <limits>

#include "documents/clip_transfer.h"
#include "documents/drawing_file.h"
#include "drawlib/steps/packed_drawing.h"
#include "drawlib/steps/step_list.h"
#include "drawlib/util/numbers.h"
#include "drawlib/util/paths.h"
#include "groups/group_tables.h"
#include "platform/clipboard.h"
#include "platform/msgbox.h"
#include "platform/runtime_text.h"

namespace {

constexpr float kGapWorld = 201;  // 5 mm between stacked spectra

// The object's height in mm from its header label (after "Ht:").
float HeightMM(const std::string& label) {
  const long at = InStr(label, "Ht:");
  if (at == 0) return 0;
  const float h = ValPoint(Mid(label, at + 4));
  return std::isfinite(h) ? h : 0;
}

}  // namespace

void CopyStackedPlot(const std::string& drawingPath) {
  if (!IsPlainFile(drawingPath)) {
    MsgBox("File [" + drawingPath + "] Not Found");
    return;
  }
  PageArray pages(2);
  if (IsEmptyDrawingFile(drawingPath)) return;  // a drawing without pages: nothing to copy
  if (FileLoadBin32Bit(pages, drawingPath, 0) != 0) return;
  bool started = false;
  float baseY = 0, firstX = 0;
  int16_t count = 0;
  const int16_t pageCount = pages[1].pageCount;
  for (int16_t p = 1; p <= pageCount && static_cast<size_t>(p) < pages.size(); ++p) {
    PageRestore(pages[static_cast<size_t>(p)]);
    bool pageStarted = false;
    float pageY = 0, pageTop = -std::numeric_limits<float>::max();
    for (int s = 1; s <= StepCount; ++s) {
      const auto i = static_cast<size_t>(s);
      if (StepList.StepType[i] != kStepSpectrum || count >= kStepListAuxUBound) continue;
      if (!started) {
        firstX = StepList.X[i];
        baseY = StepList.Y[i];
        started = true;
      }
      if (!pageStarted) {
        pageY = StepList.Y[i];
        pageStarted = true;
      }
      const auto a = static_cast<size_t>(++count);
      StepListAux.ClearStep(static_cast<int>(a));
      // All objects at the first one's x; each keeps its height above its page's first object.
      StepListAux.X[a] = firstX;
      StepListAux.Y[a] = baseY + StepList.Y[i] - pageY;
      StepListAux.StepType[a] = StepList.StepType[i];
      StepListAux.Text[a] = StepList.Text[i];
      StepListAux.Data[a] = StepList.Data[i];
      const float top = StepListAux.Y[a] + 40.2f * HeightMM(StepList.Text[i]);
      pageTop = std::max(pageTop, top);
    }
    // The next page starts 5 mm above the highest object of this one.
    if (pageStarted) baseY = pageTop + kGapWorld;
  }
  if (count == 0) return;
  int16_t flags = kPackLong;
  // The drawing goes beside what the clipboard holds: its text is published again with it.
  ClipboardBatch batch;
  if (const auto text = ClipboardText(); text && !text->empty()) ClipboardAddText(*text);
  ClipDataSetVariant(StepData(PackZEFByte(1, count, StepListAux, flags)), 34);
}
