#include "drawlib/steps/segment_parse.h"

#include <algorithm>
#include <cstring>

#include "drawlib/document_services.h"
#include "drawlib/pardata.h"
#include "drawlib/util/error_location.h"
#include "drawlib/util/kept_messages.h"
#include "platform/msgbox.h"

namespace {

int32_t LongAt(const std::vector<uint8_t>& b, size_t offset) {
  if (offset + 4 > b.size()) return 0;
  const uint32_t v = uint32_t(b[offset]) | uint32_t(b[offset + 1]) << 8 |
                     uint32_t(b[offset + 2]) << 16 | uint32_t(b[offset + 3]) << 24;
  return static_cast<int32_t>(v);
}

}  // namespace

bool NMRGRAPHParseByte(const ByteArray& segment, uint16_t type, std::string& label,
                       StepData& data) {
  ErrorLocation = 5521;
  const std::vector<uint8_t>& b = segment.bytes;
  std::string text;
  bool headerForm = false;
  if (LongAt(b, 0) == 2300) {
    headerForm = true;
    const int32_t length = LongAt(b, 12);
    if (LongAt(b, 8) != 2330 || length < 0 || int64_t(16) + length > int64_t(b.size())) {
      MsgBox("Internal error in NMRGRAPHParseByte: no 2330 header", vbOKOnly, "");
      return false;
    }
    text.assign(b.begin() + 16, b.begin() + 16 + length);
  } else {
    const size_t scanEnd = std::min<size_t>(601, b.size());
    bool armed = false;
    size_t end = scanEnd;
    for (size_t i = 0; i < scanEnd; ++i) {
      if (b[i] == 16) armed = true;
      if (b[i] == 17 && armed) {
        end = i;
        break;
      }
    }
    if (end == scanEnd) {
      MsgBox(kMsgMissingChr17, vbOKOnly, "");
      return false;
    }
    text.assign(b.begin(), b.begin() + end);
  }
  ByteArray bytes = segment;
  if (!headerForm && type == kStepSpectrum && text.find(" Wd: ") == std::string::npos) {
    SpecRescale(bytes, text, Pardata[90].Default, Pardata[91].Default);
  }
  label = std::move(text);
  data = std::move(bytes);
  ErrorLocation = 5522;
  return true;
}
