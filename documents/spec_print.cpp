#include "documents/spec_print.h"

#include <vector>

#include "documents/spec_packet.h"
#include "documents/spec_prepare.h"
#include "documents/spec_record.h"
#include "drawlib/pardata.h"
#include "drawlib/util/error_location.h"

namespace {

struct SpecDrawCache {
  bool valid = false;
  int16_t step = 0;
  ByteArray bytes;
  SpecRec rec;
  std::vector<int16_t> points;
  std::vector<float> layoutRows;  // the values the unpack left in the object's layout rows
  int unpacks = 0;
};
SpecDrawCache& Cache() {
  static SpecDrawCache cache;
  return cache;
}

void KeepLayoutRows(SpecDrawCache& c) {
  c.layoutRows.clear();
  for (char row : SpecParameterList())
    c.layoutRows.push_back(Pardata[static_cast<uint8_t>(row)].Default);
}

void ApplyLayoutRows(const SpecDrawCache& c) {
  const std::string& rows = SpecParameterList();
  for (std::size_t i = 0; i < rows.size() && i < c.layoutRows.size(); ++i)
    Pardata[static_cast<uint8_t>(rows[i])].Default = c.layoutRows[i];
}

}  // namespace

void SpecPrintStep(Device* dc, int16_t stepIndex, const std::string& text, int16_t& boxFlags,
               const StepData& data, float x, float y) {
  ErrorLocation = 6011;
  SpecDrawCache& c = Cache();
  ByteArray bytes = SpecStepBytes(data);
  const bool hit = c.valid && c.step == stepIndex && (boxFlags & kSpecBoxUnpacked) &&
                   c.bytes.lower == bytes.lower && c.bytes.bytes == bytes.bytes;
  if (hit) {
    ApplyLayoutRows(c);
  } else {
    std::string caption;
    c.rec = SpecRec{};
    c.points.clear();
    SpecUnpack(bytes, text, caption, c.rec, c.points);
    c.bytes = std::move(bytes);
    c.step = stepIndex;
    c.valid = true;
    ++c.unpacks;
    KeepLayoutRows(c);
    boxFlags = int16_t(boxFlags | kSpecBoxUnpacked);
  }
  SpecPrepare(dc, c.rec, c.points, x, y, 1);
  ErrorLocation = 6012;
}

int SpecPrintUnpackCount() { return Cache().unpacks; }

void SpecPrintReset() { Cache() = SpecDrawCache{}; }
