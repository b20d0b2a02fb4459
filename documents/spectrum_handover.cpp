#include "documents/spectrum_handover.h"

#include "platform/msgbox.h"

namespace {
std::string mText;
StepData mData;
}  // namespace

void ZEFSpectrumSetGet(std::string& text, StepData& data, int16_t flag) {
  switch (flag) {
    case 0:
      mText = text;
      mData = data;
      break;
    case 1:
      text = mText;
      data = mData;
      break;
    default:
      MsgBox("Vireo Internal error:  Improper call to ZEFSpectrumSetGet [flag =" +
                 std::to_string(flag) + "]",
             vbOKOnly, "VIREO Error");
  }
}

void SpectrumHandoverReset() {
  mText.clear();
  mData = std::monostate{};
}
