#include "documents/spec_packet.h"

#include <algorithm>
#include <cstring>

#include "drawlib/device/obj_header.h"
#include "drawlib/pardata.h"
#include "drawlib/steps/packed_drawing.h"
#include "drawlib/text/label_layout.h"
#include "drawlib/util/byte_copies.h"
#include "drawlib/util/error_location.h"
#include "drawlib/util/file_error.h"
#include "drawlib/util/string_list.h"
#include "platform/runtime_text.h"

namespace {

int16_t mLastPackedFlags = 0;
std::string mParamList;

constexpr std::size_t kMaxLabelEnd = 600;  // byte 17 must stand at an index up to 600

// The object header for the caption, its name shortened until byte 17 can follow at index 600.
std::string HeaderLabel(const std::string& caption) {
  std::string name = LabelText(caption);
  // Bytes 16 and 17 mark where the label ends; a name must not carry them.
  std::erase_if(name, [](char c) { return c == 16 || c == 17; });
  const float w = Pardata[90].Default, h = Pardata[91].Default;
  std::string label = ObjHeaderMake(name, -4, w, h);
  if (label.size() > kMaxLabelEnd) {
    name.resize(name.size() - std::min(name.size(), label.size() - kMaxLabelEnd));
    label = ObjHeaderMake(name, -4, w, h);
  }
  return label;
}

bool StrictlyInside(float f, float start, float width) { return f > start && f < start + width; }

std::string_view RawBytes(const void* p, size_t n) {
  return std::string_view(static_cast<const char*>(p), n);
}

// Packets of the items whose start lies strictly inside the spectrum, numbered as written;
// returns how many were written.
template <typename Item, std::size_t N>
uint8_t PackItems(ByteArray& out, int32_t& pos, const std::array<Item, N>& items, int count,
                  const SpecRec& rec, int16_t type, int16_t stored, float Item::*start) {
  int16_t written = 0;
  for (int i = 1; i <= count && size_t(i) < N; ++i) {
    if (!StrictlyInside(items[size_t(i)].*start, rec.StartHz, rec.WdthHz)) continue;
    Hmemcpy3Int(out, pos, type, static_cast<int16_t>(stored + 2), ++written);
    hmemcpyStringToByte(out, RawBytes(&items[size_t(i)], size_t(stored)), pos);
  }
  return static_cast<uint8_t>(written);
}

void PackFault(int16_t error) {
  std::string message;
  int16_t show = 1;
  FileErrorMsg(error, "SpecPack. ", message, "", show);
}

}  // namespace

const std::string& SpecParameterList() {
  if (mParamList.empty()) {
    for (int row : {90, 91, 92, 93, 94, 96, 97, 100, 98, 99, 75, 76, 77, 78, 79, 80, 81, 82, 83})
      mParamList.push_back(static_cast<char>(row));
  }
  return mParamList;
}

int16_t SpecDefaultFlags() { return mLastPackedFlags; }

void SpecPacketReset() { mLastPackedFlags = 0; }

void SpecPack(ByteArray& data, std::string& headerLabel, const std::string& caption,
              SpecRec& rec, const std::vector<int16_t>& points) {
  ErrorLocation = 6007;
  mLastPackedFlags = rec.Flags;
  if (!(rec.Flags & kSpecFlagCurrentLayout)) {
    rec.NumPts = rec.OldNumPts;
    rec.StartHz = rec.DispOffHz;
    rec.WdthHz = rec.DispWdthHz;
    rec.Flags = static_cast<int16_t>(rec.Flags | kSpecFlagCurrentLayout);
  }
  rec.Baseline = 0;
  if (rec.NumPts < 0 || rec.NumPts > kSpecMaxPoints) {
    PackFault(rec.NumPts < 0 ? 9 : 6);
    data = ByteArray();
    ErrorLocation = 6008;
    return;
  }
  const std::string& params = SpecParameterList();
  headerLabel = HeaderLabel(rec.Strings[0]);
  std::vector<std::string> strings(rec.Strings.begin(), rec.Strings.end());
  int16_t listFlags = 0;
  const ByteArray block = PackStringList(0, 3, strings, listFlags);
  const std::string captionText = caption.substr(0, 0xFFFF);

  // Annotations outside the range go (position and value together), the rest keep their order.
  const int annotLimit = std::clamp<int>(rec.AnnotCount, 0,
      static_cast<int>(std::min(rec.AnnotPos.size(), rec.AnnotVal.size())));
  int kept = 0;
  for (int i = 0; i < annotLimit; ++i) {
    const float pos = rec.AnnotPos[size_t(i)];
    if (pos < rec.StartHz || pos > rec.StartHz + rec.WdthHz) continue;
    rec.AnnotPos[size_t(kept)] = pos;
    rec.AnnotVal[size_t(kept)] = rec.AnnotVal[size_t(i)];
    ++kept;
  }
  rec.AnnotCount = static_cast<int16_t>(kept);
  rec.AnnotPos.resize(size_t(kept));
  rec.AnnotVal.resize(size_t(kept));
  const std::string annotText = rec.AnnotText.substr(0, 0x7FFF);

  const size_t capacity = headerLabel.size() + 1 + 4 + 4 + 6 * params.size() + 4 +
                          captionText.size() + 2 + block.size() + 30 * 30 + 30 * 54 + 15 * 26 +
                          10 + 8 * size_t(kept) + annotText.size() + 4 + kSpecHeadBytes + 6 +
                          2 * size_t(rec.NumPts);
  ByteArray out(capacity);
  int32_t pos = 0;
  hmemcpyStringToByte(out, headerLabel + Chr(17), pos);
  HmemcpyInt(out, pos, 40);
  const int32_t sizeAt = pos;
  HmemcpyInt(out, pos, 0);
  Hmemcpy2Int(out, pos, kSpecPktStart, 0);
  Hmemcpy2Int(out, pos, kSpecPktParams, static_cast<int16_t>(6 * params.size()));
  PackParameters(params, out, pos);
  Hmemcpy2Int(out, pos, kSpecPktCaption, static_cast<int16_t>(uint16_t(captionText.size())));
  hmemcpyStringToByte(out, captionText, pos);
  HmemcpyInt(out, pos, kSpecPktStrings);
  hmemcpyStringToByte(out, std::string_view(reinterpret_cast<const char*>(block.bytes.data()),
                                            block.size()), pos);

  rec.IntegCount = PackItems(out, pos, rec.Integral, rec.IntegCount, rec, kSpecPktIntegral, 24,
                             &SpecIntegralItem::StartHz);
  rec.InsetCount = PackItems(out, pos, rec.Inset, rec.InsetCount, rec, kSpecPktInset, 48,
                             &SpecInsetItem::StartHz);
  if (rec.MarkerCount != 0 && rec.Kind == 1) {
    const int markers = std::min<int>(rec.MarkerCount, kSpecMarkerItems);
    for (int i = 1; i <= markers; ++i) {
      Hmemcpy3Int(out, pos, kSpecPktMarker, 22, static_cast<int16_t>(i));
      hmemcpyStringToByte(out, RawBytes(&rec.Marker[size_t(i)], 20), pos);
    }
  }
  if (kept > 0) {
    const size_t length = 8 * size_t(kept) + 6 + annotText.size();
    Hmemcpy2Int(out, pos, kSpecPktAnnot, static_cast<int16_t>(uint16_t(length & 0xFFFF)));
    Hmemcpy2Int(out, pos, static_cast<int16_t>(kept), rec.AnnotCompanion);
    hmemcpyStringToByte(out, RawBytes(rec.AnnotPos.data(), 4 * size_t(kept)), pos);
    hmemcpyStringToByte(out, RawBytes(rec.AnnotVal.data(), 4 * size_t(kept)), pos);
    HmemcpyInt(out, pos, static_cast<int16_t>(annotText.size()));
    hmemcpyStringToByte(out, annotText, pos);
  }
  if (rec.IntegMult == 0) rec.IntegMult = 1;
  Hmemcpy2Int(out, pos, kSpecPktHead, static_cast<int16_t>(kSpecHeadBytes));
  hmemcpyStringToByte(out, RawBytes(static_cast<const SpecHead*>(&rec), kSpecHeadBytes), pos);
  const int32_t n = rec.NumPts;
  Hmemcpy2Int(out, pos, kSpecPktPoints, static_cast<int16_t>(uint16_t(2 * n + 2)));
  for (int32_t i = 0; i <= n; ++i)
    HmemcpyInt(out, pos, size_t(i) < points.size() ? points[size_t(i)] : int16_t(0));

  // The size field holds the low 16 bits of the count of bytes behind it.
  int32_t at = sizeAt;
  HmemcpyInt(out, at, static_cast<int16_t>(uint16_t((pos - sizeAt - 2) & 0xFFFF)));
  out.bytes.resize(size_t(pos));
  data = std::move(out);
  ErrorLocation = 6008;
}

ByteArray SpecStepBytes(const StepData& data) {
  if (const auto* bytes = std::get_if<ByteArray>(&data)) return *bytes;
  if (const auto* text = std::get_if<std::string>(&data)) return ByteArray::FromBytes(*text);
  return ByteArray();
}
