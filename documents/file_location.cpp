#include "documents/file_location.h"

#include "drawlib/device/draw_options.h"
#include "drawlib/util/error_location.h"


std::array<std::string, kFileLocationSlots + 1> FileLocation;
std::string FileDrawingsFolder;
bool FileTestMarker = false;
int16_t FileDecimalComma = 0;

namespace {
int16_t mTemFix = 0;
int16_t mStateValue = 0;
}  // namespace

std::string FileLocationGet(int16_t index) {
  ErrorLocation = 5527;
  std::string result;
  if (index >= 1 && index <= kFileLocationSlots) result = FileLocation[static_cast<std::size_t>(index)];
  ErrorLocation = 5528;
  return result;
}

int16_t FileLocationSet(const std::string& value, int16_t index) {
  ErrorLocation = 5529;
  if (value == "|SetTemFix|") {
    mTemFix = index;
  } else if (value == "|GetTemFix|") {
    index = mTemFix;
  } else {
    switch (index) {
      case kSetDrawingsFolder:
        FileDrawingsFolder = value;
        break;
      case kSetDefaultDrawing:
        FileLocation[kLocDefaultDrawing] = value;
        break;
      case kSetSpectraFolder:
        FileLocation[kLocSpectraFolder] = value;
        break;
      case kSetLastExport:
        FileLocation[kLocLastExport] = value;
        break;
      default:
        break;
    }
  }
  ErrorLocation = 5530;
  return index;
}

int16_t FileTestFlag() { return FileTestMarker ? -1 : 0; }

int16_t FileStateValue(int16_t value) {
  ErrorLocation = 5526;
  if (value == -1) return mStateValue;
  mStateValue = value;
  DrawOptions |= 0x40000;
  return 0;
}

void FileLocationReset() {
  for (auto& s : FileLocation) s.clear();
  FileDrawingsFolder.clear();
  FileTestMarker = false;
  FileDecimalComma = 0;
  mTemFix = 0;
  mStateValue = 0;
}
