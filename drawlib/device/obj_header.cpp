#include "drawlib/device/obj_header.h"

#include "drawlib/pardata.h"
#include "drawlib/util/error_location.h"
#include "drawlib/util/kept_messages.h"
#include "platform/msgbox.h"
#include "platform/runtime_numbers.h"
#include "platform/runtime_text.h"

namespace {

const char* KindTag(int16_t code) {
  switch (code) {
    case -2: return "{ZEFGRAPH ";
    case -4: return "{ZEFNMR  ";
    case -6: return "{ZEFFRAME ";
    case -8: return "{ZEFIMAGE ";
    case -10: return "{ZEFSCALE ";
    case -12: return "{ZEFBOXED ";
    default: return "";
  }
}

// The number that follows the marker (leading blanks skipped), 0 when none.
float NumberAfter(const std::string& text, long markerPos, long markerLength) {
  return ValSng(Mid(text, markerPos + markerLength));
}

}  // namespace

std::string ObjHeaderMake(const std::string& name, int16_t kindCode, float width, float height) {
  return "F > " + Chr(16) + KindTag(kindCode) + name + " Wd: " + Format(width, "0000.0") +
         " Ht: " + Format(height, "0000.0") + "}  ";
}

bool ObjHeaderParse(const std::string& label) {
  ErrorLocation = 4039;
  const long wd = InStr(label, " Wd: ");
  if (wd == 0) {
    MsgBox(kMsgObjHeaderErrorStart + label + "]");
    return false;
  }
  const float width = NumberAfter(label, wd, 5);
  const long ht = InStr(wd, label, " Ht: ");
  const float height = ht > 0 ? NumberAfter(label, ht, 5) : Pardata[103].Default;
  Pardata[102].Default = width;
  Pardata[103].Default = height;
  ErrorLocation = 4040;
  return true;
}
