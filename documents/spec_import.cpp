#include "documents/spec_import.h"

#include <algorithm>

#include "documents/clip_transfer.h"
#include "documents/spec_packet.h"
#include "documents/spectrum_handover.h"
#include "drawlib/steps/segment_parse.h"
#include "platform/msgbox.h"

std::vector<float> SpecRawData;

namespace {

// Unpacks the object into rec; the points that the object really carries bound its count.
void UnpackObject(const std::string& text, const StepData& data, SpecRec& rec,
                  std::vector<int16_t>& points) {
  std::string caption;
  points.clear();
  SpecUnpack(SpecStepBytes(data), text, caption, rec, points);
  const int32_t carried = std::max<int32_t>(0, static_cast<int32_t>(points.size()) - 2);
  rec.NumPts = std::clamp(rec.NumPts, 0, carried);
}

void TakeRawData(SpecRec& rec, const std::vector<int16_t>& points) {
  SpecRawData.assign(size_t(rec.NumPts) + 1, 0.0f);
  for (int32_t i = 1; i <= rec.NumPts; ++i) SpecRawData[size_t(i)] = points[size_t(i)];
  rec.DispOffHz -= rec.StartHz;
  rec.StartHz = 0;
  rec.ImpWdthHz = rec.WdthHz;
  rec.ImpNumPts = rec.NumPts;
}

}  // namespace

bool ClipSpecGet(uint16_t& type, std::string& text, StepData& data) {
  StepData held;
  const uint16_t clipType = ClipDataGetVariant(held);
  if (!(clipType & kClipSpectrumBit)) return false;
  type = SpecObjectType;
  return NMRGRAPHParseByte(SpecStepBytes(held), SpecObjectType, text, data);
}

bool SpecImport(SpecRec& rec, int16_t flags) {
  std::vector<int16_t> points;
  if (flags & kSpecImportClipboard) {
    const size_t slot = kSpecImportScratchStep;
    if (StepList.UBound() < kSpecImportScratchStep) StepList.Resize(kSpecImportScratchStep);
    if (!ClipSpecGet(StepList.StepType[slot], StepList.Text[slot], StepList.Data[slot])) {
      MsgBox("No ZEF-NMR spectrum found in Clipboard", vbOKOnly, "Import NMR Spectrum");
      return false;
    }
    ZEFSpectrumSetGet(StepList.Text[slot], StepList.Data[slot], 0);
    UnpackObject(StepList.Text[slot], StepList.Data[slot], rec, points);
  } else if (flags & kSpecImportDrawing) {
    bool found = false;
    for (size_t i = 1; i <= 5 && !found && int(i) <= StepList.UBound(); ++i) {
      if (StepList.StepType[i] != SpecObjectType) continue;
      UnpackObject(StepList.Text[i], StepList.Data[i], rec, points);
      if ((rec.Kind & 7) != 0 && (rec.Kind & 7) != 4) continue;
      ZEFSpectrumSetGet(StepList.Text[i], StepList.Data[i], 0);
      found = true;
    }
    if (!found) return false;
  } else {
    return false;
  }
  TakeRawData(rec, points);
  return true;
}

void SpecImportReset() { SpecRawData.clear(); }
