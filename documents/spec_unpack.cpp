#include <algorithm>
#include <cmath>
#include <cstring>

#include "documents/spec_packet.h"
#include "documents/spec_scale.h"
#include "drawlib/pardata.h"
#include "drawlib/util/byte_copies.h"
#include "drawlib/util/error_location.h"
#include "drawlib/util/file_error.h"
#include "drawlib/util/string_list.h"
#include "platform/msgbox.h"
#include "platform/runtime_numbers.h"

namespace {

constexpr int16_t kErrSubscript = 9;
constexpr int16_t kErrPastEnd = 62;

void UnpackFault(int16_t error) {
  std::string message;
  int16_t show = 1;
  FileErrorMsg(error, "SpecUnpack. ", message, "", show);
}

float Finite(float v) { return std::isfinite(v) ? v : 0.0f; }

// Values from outside the program never bring NaN or infinity into the record.
void MakeFinite(SpecHead& h) {
  for (float* f : {&h.WdthHz, &h.ImpWdthHz, &h.StartHz, &h.HzPerPt, &h.MHz, &h.Ref,
                   &h.LineBroadHz, &h.DispOffHz, &h.DispWdthHz, &h.HzPerCm, &h.VMult,
                   &h.Baseline, &h.yMult, &h.IntegScale, &h.IntegPerUnit})
    *f = Finite(*f);
  h.IntegCount = std::min<uint8_t>(h.IntegCount, kSpecIntegralItems);
  h.InsetCount = std::min<uint8_t>(h.InsetCount, kSpecInsetItems);
}
void MakeFinite(SpecIntegralItem& it) {
  for (float* f : {&it.Base, &it.VOff, &it.Height, &it.StartHz, &it.WidthHz}) *f = Finite(*f);
}
void MakeFinite(SpecInsetItem& it) {
  for (float* f : {&it.X, &it.Y, &it.Width, &it.YScale, &it.StartHz, &it.SpanHz, &it.FirstTick,
                   &it.TickSep, &it.NumFormat})
    *f = Finite(*f);
}
void MakeFinite(SpecMarkerItem& it) { it.FreqHz = Finite(it.FreqHz); }

class PacketReader {
 public:
  PacketReader(const ByteArray& data, int32_t position) : data_(data), pos_(position) {}
  int32_t& pos() { return pos_; }
  int64_t Left() const { return data_.UBound() + 1 - int64_t(pos_); }
  int16_t Int() { return hmemcpyByteToInt(data_, pos_); }
  void Raw(void* target, int32_t n) {
    std::memcpy(target, data_.bytes.data() + (pos_ - data_.LBound()), size_t(n));
    pos_ += n;
  }
  std::string Text(int32_t n) { return hmemcpyByteToString(data_, pos_, n); }
  std::vector<float> Singles(int32_t n) {
    std::vector<float> v(static_cast<size_t>(n));
    if (n > 0) Raw(v.data(), 4 * n);
    for (float& f : v) f = Finite(f);
    return v;
  }
  void Skip(int64_t n) { pos_ = static_cast<int32_t>(std::min(int64_t(pos_) + n, End())); }
  int64_t End() const { return data_.UBound() + 1; }

 private:
  const ByteArray& data_;
  int32_t pos_;
};

// Where the packets start: behind the first byte 17 among indexes 0..600, else at 602.
int32_t PacketStart(const ByteArray& data) {
  const int64_t last = std::min<int64_t>(600, data.UBound());
  for (int64_t i = data.LBound(); i <= last; ++i)
    if (data.at(i) == 17) return static_cast<int32_t>(i + 1);
  return static_cast<int32_t>(last + 2);
}

// An item packet: the 1-based index, then min(length - 2, item size) bytes.
template <typename Item, std::size_t N>
bool ReadItem(PacketReader& r, uint16_t length, std::array<Item, N>& items) {
  if (length < 2) return false;
  const int16_t index = r.Int();
  if (index < 1 || size_t(index) >= N) return false;
  Item& item = items[size_t(index)];
  r.Raw(&item, std::min<int32_t>(length - 2, int32_t(sizeof(Item))));
  r.Skip(std::max<int32_t>(0, length - 2 - int32_t(sizeof(Item))));
  MakeFinite(item);
  return true;
}

// Annotations: n, companion, n positions, n values (type 49 only), text length, text. The
// counts are checked against the bytes left before anything is read.
bool ReadAnnotations(PacketReader& r, bool withValues, SpecRec& rec) {
  const int32_t start = r.pos();
  if (r.Left() < 4) return false;
  const int16_t n = r.Int();
  const int16_t companion = r.Int();
  const int64_t arrays = (withValues ? 8 : 4) * int64_t(n);
  if (n < 0 || r.Left() < arrays + 2) return (r.pos() = start, false);
  std::vector<float> positions = r.Singles(n);
  std::vector<float> values = withValues ? r.Singles(n) : std::vector<float>(size_t(n), 0.0f);
  const int16_t textLength = r.Int();
  if (textLength < 0 || r.Left() < textLength) return (r.pos() = start, false);
  rec.AnnotCount = n;
  rec.AnnotCompanion = companion;
  rec.AnnotPos = std::move(positions);
  rec.AnnotVal = std::move(values);
  rec.AnnotText = r.Text(textLength);
  return true;
}

void ReadParameters(PacketReader& r, uint16_t length) {
  bool reported = false;
  for (int k = 0; k < length / 6; ++k) {
    const uint16_t row = static_cast<uint16_t>(r.Int());
    float value = 0;
    r.Raw(&value, 4);
    if (row >= kPardataRows) {
      if (!reported) UnpackFault(kErrSubscript);
      reported = true;
      continue;
    }
    if (std::isfinite(value)) Pardata[row].Default = value;
  }
  r.Skip(length % 6);
}

}  // namespace

void SpecUnpack(const ByteArray& data, const std::string&, std::string& caption, SpecRec& rec,
                std::vector<int16_t>& points) {
  ErrorLocation = 6005;
  PacketReader r(data, PacketStart(data));
  // Fewer than 4 bytes behind the label hold no packet: nothing to warn about.
  if (r.Left() >= 4 && r.Int() != 40) MsgBox("Error in SpecUnPack Variant");
  r.Skip(2);
  rec.AnnotCount = 0;
  rec.IntegCount = rec.InsetCount = rec.MarkerCount = 0;
  bool markerRead = false;

  while (r.Left() >= 4) {
    const int32_t packetStart = r.pos();
    const int16_t type = r.Int();
    const uint16_t length = static_cast<uint16_t>(r.Int());
    const bool fits = r.Left() >= length;
    // Only packets read by their length field must fit; a packet of unknown type is asked
    // about first (and then skipped to the end at most).
    const bool byLength = type == kSpecPktParams || type == kSpecPktHead ||
                          type == kSpecPktPoints || type == kSpecPktCaption ||
                          type == kSpecPktIntegral || type == kSpecPktInset ||
                          type == kSpecPktMarker;
    if (byLength && !fits) {
      UnpackFault(kErrPastEnd);
      break;
    }
    switch (type) {
      case kSpecPktStart:
        break;
      case kSpecPktParams:
        ReadParameters(r, length);
        break;
      case kSpecPktStrings: {
        r.pos() -= 2;
        std::vector<std::string> strings(4);
        UnpackStringList(r.pos(), 0, strings, data);
        for (size_t i = 0; i < 4; ++i) rec.Strings[i] = strings[i];
        // A damaged block must still move the reading on.
        r.pos() = std::max(r.pos(), packetStart + 4);
        break;
      }
      case kSpecPktHead: {
        const int32_t n = std::min<int32_t>(length, int32_t(kSpecHeadBytes));
        r.Raw(static_cast<SpecHead*>(&rec), n);
        r.Skip(length - n);
        MakeFinite(rec);
        rec.IntegMult = std::max<int16_t>(rec.IntegMult, 1);
        break;
      }
      case kSpecPktPoints:
        points.assign(size_t(length / 2) + 1, 0);
        r.Raw(points.data(), 2 * (length / 2));
        r.Skip(length % 2);
        break;
      case kSpecPktCaption:
        caption = r.Text(length);
        break;
      case kSpecPktIntegral:
      case kSpecPktInset:
      case kSpecPktMarker: {
        const int32_t end = r.pos() + length;
        const bool ok = type == kSpecPktIntegral ? ReadItem(r, length, rec.Integral)
                        : type == kSpecPktInset  ? ReadItem(r, length, rec.Inset)
                                                 : ReadItem(r, length, rec.Marker);
        if (!ok) UnpackFault(kErrSubscript);
        if (ok && type == kSpecPktMarker) markerRead = true;
        r.pos() = end;
        break;
      }
      case kSpecPktAnnot:
      case kSpecPktAnnotNoValues:
        if (!ReadAnnotations(r, type == kSpecPktAnnot, rec)) {
          UnpackFault(kErrPastEnd);
          r.Skip(length);
        }
        break;
      default: {
        r.Skip(length);
        const int answer = MsgBox("SpecPak Unknown Data Packet Typ:" + Str(type) + " Length: " +
                                      Str(length) + "\r\nData has been dicarded, spectrum may "
                                      "be damaged.",
                                  vbOKCancel + vbExclamation, "ZEF File Load");
        if (answer == vbCancel) goto done;
        break;
      }
    }
  }
done:
  if (!markerRead || rec.MarkerCount > kSpecMarkerItems) rec.MarkerCount = 0;
  SpecHzPerTenth(rec);
  ErrorLocation = 6006;
}
