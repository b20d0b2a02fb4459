#include "documents/clip_transfer.h"

#include "drawlib/util/clipboard_text.h"
#include "platform/clipboard.h"
#include "platform/msgbox.h"
#include "platform/runtime_numbers.h"

namespace {

constexpr int32_t kPrivateFormatNumber = 0xC000;  // the first number of registered formats
int32_t mFormat = 0;

const char* MetafileMime(int16_t format) {
  switch (format) {
    case 3: return "image/x-wmf";
    case 14: return "image/x-emf";
    default: return nullptr;
  }
}

// The runtime's kind code of a value that is neither a text nor a byte array.
int16_t VarTypeCode(const StepData&) { return 0; }

}  // namespace

int32_t ClipFormatRegister() {
  if (mFormat == 0 && Clipboard().Reachable()) mFormat = kPrivateFormatNumber;
  return mFormat;
}

void ClipDataSetVariant(const StepData& data, uint16_t type) {
  if (type == kClipText) {
    if (const auto* text = std::get_if<std::string>(&data)) ClipboardSetText(*text);
    return;
  }
  if (ClipFormatRegister() == 0) {
    MsgBox("MORAV-ZEF Clipboard Format Failed in Clip SetVariant.");
    return;
  }
  std::string block;
  if (!ClipBlockMake(data, type, block))
    MsgBox("Internal error in ClipDataSetVariant VarType= " + Str(VarTypeCode(data)));
  if (!ClipboardAddData(kClipFormatMime, block))
    MsgBox("MORAV-ZEF Clipboard Format Failed in Clip SetVariant.");
}

uint16_t ClipDataGetVariant(StepData& data) {
  ClipFormatRegister();
  data = std::monostate{};
  uint16_t type = 0;
  if (const auto block = ClipboardData(kClipFormatMime)) {
    if (ClipBlockParse(*block, type, data) == ClipBlockRead::kDamaged)
      MsgBox("Error in ClipDataGetVariant: damaged ZEF61-MORAV block on the clipboard.",
             vbOKOnly + vbExclamation);
  }
  if (type != 0) return type;
  data = std::monostate{};
  if (auto text = ClipboardText()) {
    if (!text->empty()) type = kClipText;
    data = std::move(*text);
    return type;
  }
  if (ClipboardHasImage()) return kClipBitmap;
  std::string bits;
  type = ClipMetafileScan(bits);
  if (type != 0) data = ByteArray::FromBytes(bits);
  return type;
}

int32_t ClipMetafileBits(int16_t format, std::string& bits) {
  bits.clear();
  const char* mime = MetafileMime(format);
  if (!mime) return 0;
  if (auto held = ClipboardData(mime)) bits = std::move(*held);
  return static_cast<int32_t>(bits.size());
}

uint16_t ClipMetafileScan(std::string& bits) {
  uint16_t type = 0;
  if (ClipMetafileBits(3, bits) > 0) {
    type = kClipMetafile;
    if (ClipMetafileRefused(bits, kClipSupplierNotice)) return kClipRefusedMetafile;
  } else if (ClipMetafileBits(14, bits) > 0) {
    type = kClipEnhMetafile;
  } else {
    return kClipNothing;
  }
  if (ClipMetafileExtract(bits)) type = static_cast<uint16_t>(type | 2);
  return type;
}

void ClipTransferReset() { mFormat = 0; }
