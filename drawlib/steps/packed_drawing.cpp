#include "drawlib/steps/packed_drawing.h"

#include <bit>
#include <cstring>
#include <limits>

#include "drawlib/pardata.h"
#include "drawlib/steps/segment_parse.h"
#include "drawlib/util/byte_copies.h"
#include "drawlib/util/error_location.h"
#include "drawlib/util/kept_messages.h"
#include "platform/msgbox.h"
#include "platform/runtime_numbers.h"

static_assert(std::endian::native == std::endian::little,
              "the packed drawing blocks are copied as little-endian memory");

namespace {

// Sequential little-endian writer into a buffer sized in advance.
class BlockWriter {
 public:
  explicit BlockWriter(size_t size) : buf_(size, 0) {}
  void Raw(const void* src, size_t n) {
    if (n) std::memcpy(buf_.data() + pos_, src, n);
    pos_ += n;
  }
  void Word(int64_t v, bool wide) {
    if (wide) {
      const int32_t w = static_cast<int32_t>(v);
      Raw(&w, 4);
    } else {
      const int16_t w = static_cast<int16_t>(v);
      Raw(&w, 2);
    }
  }
  size_t pos() const { return pos_; }
  void Patch(size_t at, int64_t v, bool wide) {
    const size_t keep = pos_;
    pos_ = at;
    Word(v, wide);
    pos_ = keep;
  }
  std::vector<uint8_t> Take() { return std::move(buf_); }

 private:
  std::vector<uint8_t> buf_;
  size_t pos_ = 0;
};

// Reads a signed 16- or 32-bit word at offset; false when it does not lie within size bytes.
bool ReadWord(const std::vector<uint8_t>& b, size_t offset, bool wide, int64_t& v) {
  const size_t n = wide ? 4 : 2;
  if (offset > b.size() || b.size() - offset < n) return false;
  if (wide) {
    int32_t w;
    std::memcpy(&w, b.data() + offset, 4);
    v = w;
  } else {
    int16_t w;
    std::memcpy(&w, b.data() + offset, 2);
    v = w;
  }
  return true;
}

const ByteArray* SegmentBytes(const StepData& d) { return std::get_if<ByteArray>(&d); }

void PackRefused(const std::string& why) {
  MsgBox("Error in PackZEFByte: " + why, vbExclamation, "");
}

}  // namespace

ByteArray PackZEFByte(int16_t first, int16_t last, StepArrays& steps, int16_t& flags) {
  flags = static_cast<int16_t>(flags & kPackKeptFlags);
  const bool wide = (flags & kPackLong) != 0;
  const int n = last - first + 1;
  if (first < 0 || n < 0 || (n > 0 && last > steps.UBound())) {
    PackRefused("steps" + Str(first) + " to" + Str(last) + " lie outside the drawing.");
    return {};
  }
  // What each step contributes: its type word in the packed bytes and its record length.
  std::vector<uint16_t> types(n);
  std::vector<int64_t> lengths(n);
  int64_t records = 0;
  const size_t word = wide ? 4 : 2;
  for (int k = 0; k < n; ++k) {
    const int i = first + k;
    uint16_t t = steps.StepType[i];
    int64_t length;
    if (IsSegmentType(t) && SegmentBytes(steps.Data[i])) {
      length = static_cast<int64_t>(SegmentBytes(steps.Data[i])->size());
    } else {
      if (IsSegmentType(t)) {
        // A segment without bytes is kept as a label (with its text, if any).
        t = kStepLabel;
        steps.StepType[i] = t;
      }
      length = static_cast<int64_t>(steps.Text[i].size());
    }
    types[k] = t;
    lengths[k] = length;
    if (length > 0) records += 2 * int64_t(word) + length;
  }
  // S counts the bytes after its own field up to and including the end mark.
  const int64_t sectionBytes = (wide ? 0 : 2) + records + int64_t(word);
  const int64_t fieldMax = wide ? std::numeric_limits<int32_t>::max()
                                : std::numeric_limits<int16_t>::max();
  if (sectionBytes > fieldMax) {
    PackRefused(wide ? "the drawing is too large to pack."
                     : "the texts and objects are too large for the short packed form.");
    return {};
  }
  for (int k = 0; k < n; ++k) {
    if (lengths[k] > fieldMax) {
      PackRefused("step" + Str(first + k) + " is too large for the short packed form.");
      return {};
    }
  }
  const size_t total = size_t(word) + 10 * size_t(n) + (wide ? 8 : 2) + size_t(sectionBytes);
  BlockWriter w(total);
  w.Word(n, wide);
  if (n > 0) {
    w.Raw(steps.X.data() + first, 4 * size_t(n));
    w.Raw(steps.Y.data() + first, 4 * size_t(n));
    w.Raw(types.data(), 2 * size_t(n));
  }
  size_t sField;
  if (wide) {
    w.Word(13, true);
    sField = w.pos();
    w.Word(0, true);
  } else {
    sField = w.pos();
    w.Word(0, false);
    w.Word(n - 1, false);
  }
  for (int k = 0; k < n; ++k) {
    if (lengths[k] <= 0) continue;
    const int i = first + k;
    w.Word(k, wide);
    w.Word(lengths[k], wide);
    if (const ByteArray* seg = IsSegmentType(types[k]) ? SegmentBytes(steps.Data[i]) : nullptr) {
      w.Raw(seg->bytes.data(), seg->size());
    } else {
      w.Raw(steps.Text[i].data(), steps.Text[i].size());
    }
  }
  w.Word(-1, wide);
  w.Patch(sField, int64_t(w.pos()) - int64_t(sField) - int64_t(word), wide);
  ByteArray out;
  out.bytes = w.Take();
  return out;
}

bool UnPackZEFByte(int16_t first, int16_t& last, StepArrays& steps, const ByteArray& packed,
                   int16_t flags) {
  ErrorLocation = 2007;
  const bool wide = (flags & kPackLong) != 0;
  const std::vector<uint8_t>& b = packed.bytes;
  const size_t word = wide ? 4 : 2;
  last = static_cast<int16_t>(first - 1);
  int64_t n = 0;
  if (first < 0 || first > steps.UBound() || !ReadWord(b, 0, wide, n) || n < 0) {
    MsgBox("Error in UnPackZEFByte: the packed drawing is damaged.", vbExclamation, "");
    ErrorLocation = 2008;
    return false;
  }
  if (first + n - 1 > steps.UBound()) {
    MsgBox(kMsgTooManySteps, vbOKOnly, "");
    last = first;
    steps.StepType[first] = kStepLabel;
    steps.Text[first].clear();
    steps.Data[first] = std::monostate{};
    ErrorLocation = 2008;
    return false;
  }
  if (b.size() < word + 10 * size_t(n)) {
    MsgBox("Error in UnPackZEFByte: the packed drawing is incomplete.", vbExclamation, "");
    ErrorLocation = 2008;
    return false;
  }
  const size_t count = size_t(n);
  size_t pos = word;
  std::memcpy(steps.X.data() + first, b.data() + pos, 4 * count);
  pos += 4 * count;
  std::memcpy(steps.Y.data() + first, b.data() + pos, 4 * count);
  pos += 4 * count;
  std::memcpy(steps.StepType.data() + first, b.data() + pos, 2 * count);
  pos += 2 * count;
  last = static_cast<int16_t>(first + n - 1);
  for (int i = first; i <= last; ++i) {
    steps.Text[i].clear();
    steps.Data[i] = std::monostate{};
    if (steps.StepType[i] == 0) steps.StepType[i] = kStepLabel;
  }

  bool sound = true;
  int64_t sectionSize = 0;
  size_t sectionEnd = 0;
  if (wide) {
    int64_t constant = 0;
    if (ReadWord(b, pos, true, constant) && constant != 13) {
      MsgBox(kMsgPackedStringError, vbOKOnly, "");
    }
    pos += 4;
  }
  if (!ReadWord(b, pos, wide, sectionSize) || sectionSize < 0) {
    sound = false;
  } else {
    pos += word;
    sectionEnd = pos + size_t(sectionSize);
    if (!wide) pos += 2;  // n - 1
    // Records until fewer than 4 bytes remain before the section's end.
    while (sound && pos + 4 <= sectionEnd) {
      int64_t r = 0, length = 0;
      if (!ReadWord(b, pos, wide, r)) {
        sound = false;
        break;
      }
      if (r == -1 || (wide && r == 65535)) break;
      if (!ReadWord(b, pos + word, wide, length) || length < 0 ||
          b.size() - (pos + 2 * word) < size_t(length)) {
        sound = false;
        break;
      }
      pos += 2 * word;
      const size_t at = pos;
      pos += size_t(length);
      if (r < 0 || r >= n || length == 0) continue;
      const int i = first + int(r);
      if (IsSegmentType(steps.StepType[i])) {
        ByteArray segment;
        segment.bytes.assign(b.begin() + at, b.begin() + at + length);
        NMRGRAPHParseByte(segment, steps.StepType[i], steps.Text[i], steps.Data[i]);
      } else {
        steps.Text[i].assign(b.begin() + at, b.begin() + at + length);
      }
    }
  }
  // A segment step that received no bytes is shown as a label.
  for (int i = first; i <= last; ++i) {
    if (IsSegmentType(steps.StepType[i]) && !SegmentBytes(steps.Data[i])) {
      steps.StepType[i] = kStepLabel;
    }
  }
  ErrorLocation = 2008;
  return sound;
}

bool UnPackZEFVariant(int16_t first, int16_t& last, StepArrays& steps, const StepData& value,
                      int16_t flags) {
  if (const ByteArray* bytes = SegmentBytes(value)) {
    const ByteArray copy = *bytes;
    return UnPackZEFByte(first, last, steps, copy, flags);
  }
  last = static_cast<int16_t>(first - 1);
  return false;
}

void PackParameters(const std::string& rowCodes, ByteArray& bytes, int32_t& position) {
  ErrorLocation = 2011;
  bool rowsValid = true;
  for (const char c : rowCodes) rowsValid = rowsValid && PardataRowValid(uint8_t(c));
  const int64_t lastByte = int64_t(position) + 6 * int64_t(rowCodes.size()) - 1;
  if (!rowsValid || position < bytes.LBound() || lastByte > bytes.UBound()) {
    MsgBox("internal error in PackParameters. Error Location: " + Str(ErrorLocation), vbOKOnly,
           "");
    return;
  }
  for (const char c : rowCodes) {
    const int row = uint8_t(c);
    HmemcpyIntSngl(bytes, position, static_cast<int16_t>(row), Pardata[row].Default);
  }
  ErrorLocation = 2012;
}
