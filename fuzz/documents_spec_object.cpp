// Arbitrary bytes as a spectrum object: unpack, pack and unpack give the same head, items,
// strings and points, and damage asks fewer questions than there are 4-byte groups.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "documents/spec_packet.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/silent_boxes.h"

namespace {

// Silent boxes that keep the last text, for the report of a failed check.
struct RecordingBoxes : SilentBoxes {
  int Message(const std::string& text, int style, const std::string& title) override {
    lastText = text;
    return SilentBoxes::Message(text, style, title);
  }
  std::string lastText;
};

bool Inside(float f, const SpecRec& r) { return f > r.StartHz && f < r.StartHz + r.WdthHz; }

template <typename Item, std::size_t N>
void CheckItems(const std::array<Item, N>& before, int count, const std::array<Item, N>& after,
                const SpecRec& r, std::size_t stored, float Item::*start) {
  std::size_t k = 0;
  for (int i = 1; i <= count && i < int(N); ++i) {
    if (!Inside(before[size_t(i)].*start, r)) continue;
    ++k;
    FuzzCheck(std::memcmp(&before[size_t(i)], &after[k], stored) == 0, "same stored item");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static RecordingBoxes boxes;
  SetMsgBoxHandler(&boxes);
  const ByteArray bytes = ByteArray::FromBytes(
      std::string_view(reinterpret_cast<const char*>(data), size));
  SpecRec rec;
  std::string caption;
  std::vector<int16_t> points;
  boxes.shown = 0;
  SpecUnpack(bytes, "", caption, rec, points);
  FuzzCheck(boxes.shown == 0 || std::size_t(boxes.shown) * 4 < size, "prompts bounded");

  const SpecRec unpacked = rec;
  ByteArray packed;
  std::string label;
  SpecPack(packed, label, caption, rec, points);
  if (packed.empty()) return 0;  // more points than an object holds: refused
  SpecRec again;
  std::string caption2;
  std::vector<int16_t> points2;
  boxes.shown = 0;
  SpecUnpack(packed, label, caption2, again, points2);
  if (boxes.shown != 0) std::fprintf(stderr, "asked: %s\n", boxes.lastText.c_str());
  FuzzCheck(boxes.shown == 0, "a packed object reads without questions");

  SpecHead expected = rec;
  if (rec.Kind != 1 || rec.MarkerCount > kSpecMarkerItems) expected.MarkerCount = 0;
  FuzzCheck(std::memcmp(&expected, static_cast<const SpecHead*>(&again), sizeof(SpecHead)) == 0,
            "same head");
  FuzzCheck(again.Strings == rec.Strings && caption2 == caption.substr(0, 0xFFFF),
            "same strings");
  FuzzCheck(points2.size() == size_t(rec.NumPts) + 2, "points 0..length/2");
  for (int32_t i = 0; i <= rec.NumPts; ++i)
    FuzzCheck(points2[size_t(i)] == (size_t(i) < points.size() ? points[size_t(i)] : 0),
              "same points");
  FuzzCheck(again.AnnotPos == rec.AnnotPos && again.AnnotVal == rec.AnnotVal,
            "same annotations");
  CheckItems(unpacked.Integral, unpacked.IntegCount, again.Integral, rec, 24,
             &SpecIntegralItem::StartHz);
  CheckItems(unpacked.Inset, unpacked.InsetCount, again.Inset, rec, 48, &SpecInsetItem::StartHz);
  return 0;
}
