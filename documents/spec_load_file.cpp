// Loading a spectrum file of any known format: type detection, the loader of the format, the
// spectrometer frequency asked for when the file has none, and the previous spectrum restored
// when the load fails.
#include <cmath>

#include "documents/file_type.h"
#include "documents/spec_loaders.h"
#include "documents/spec_packet.h"
#include "documents/spec_scale.h"
#include "drawlib/util/error_location.h"
#include "drawlib/util/numbers.h"
#include "platform/msgbox.h"

void SpecReset(SpecRec& rec) {
  rec.IntegCount = 0;
  rec.InsetCount = 0;
  rec.AnnotCount = 0;
  rec.VertMult = 1.0f;
  rec.ResetMark = 18000;
  rec.yMult = 12000.0f;
  const int16_t flags = static_cast<int16_t>(SpecDefaultFlags() & ~kSpecFlagCurrentLayout);
  rec.Flags = flags != 0 ? flags : 127;
  rec.Strings = {"", "M > ppm", "", ""};
}

namespace {

int16_t RunLoader(int16_t type, const std::string& fileName, SpecRec& rec,
                  std::vector<float>& raw) {
  switch (type) {
    case kFileLybrics: return LoadSpectrumLybrics(fileName, rec, raw);
    case kFileNuts: return LoadSpectrumNuts(fileName, rec, raw);
    case kFileJcamp: return LoadSpectrumNUTST3(fileName, rec, raw);
    case kFileTecmag: return LoadSpectrumTECMAG(fileName, rec, raw);
    default: return 0;
  }
}

// Asks for the spectrometer frequency; true when the record then holds one of 1 MHz or more.
bool AskForMHz(SpecRec& rec) {
  const std::string answer = InputBox(
      "There has been an error in the NMR spectrum file being loaded: Spectrum MHz is zero. "
      "Type the correct value for MHz.",
      "Error in ZEF1NMRFile.LoadSpectrumFile", "");
  if (!answer.empty()) rec.MHz = ValPoint(answer);
  return std::isfinite(rec.MHz) && rec.MHz >= 1;
}

}  // namespace

int16_t LoadSpectrumFile(const std::string& fileName, SpecRec& rec, std::vector<float>& raw) {
  ErrorLocation = 6103;
  std::string message;
  const int16_t type = FileTypeDetect(fileName, message);
  const bool loadable = type == kFileLybrics || type == kFileNuts || type == kFileJcamp ||
                        type == kFileTecmag;
  if (!loadable) {
    // A metafile without a drawing, and every other kind, loads nothing.
    MsgBox(message.empty() ? "<" + fileName + "> is not an NMR spectrum file." : message);
    ErrorLocation = 6104;
    return 0;
  }

  const SpecRec before = rec;
  const std::vector<float> rawBefore = raw;
  SpecReset(rec);
  int16_t result = RunLoader(type, fileName, rec, raw);
  if (result != 0) {
    if (!(std::isfinite(rec.MHz) && rec.MHz >= 1) && !AskForMHz(rec)) {
      result = 0;  // the values read from the file stay
    } else {
      if (rec.DispWdthHz < 1) rec.DispWdthHz = rec.WdthHz;
      SpecHzPerTenth(rec);
      SpecAxisUnit(rec, 0);
    }
  } else {
    rec = before;
    raw = rawBefore;
  }
  ErrorLocation = 6104;
  return result;
}
