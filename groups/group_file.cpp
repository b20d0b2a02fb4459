#include "groups/group_file.h"

#include <cmath>
#include <limits>
#include <vector>

#include "drawlib/util/numbers.h"
#include "drawlib/util/strings.h"
#include "groups/group_clock.h"
#include "mainwin/disable_ref.h"
#include "platform/atomic_file.h"
#include "platform/folder_lock.h"
#include "platform/profile.h"
#include "platform/profile_document.h"
#include "platform/runtime_numbers.h"
#include "platform/runtime_text.h"

namespace {

constexpr float kMinBoxMM = 20;
constexpr float kMaxBoxMM = 1000;

std::string BoxText(float worldUnits) {
  return Str(static_cast<float>(worldUnits / static_cast<double>(kWorldUnitsPerMM)));
}

// A number that a 32-bit float holds (or a blank text, read as 0 by every user).
bool FitsFloat(const std::string& text) {
  const double v = Val(text);
  return std::isfinite(v) && std::fabs(v) <= std::numeric_limits<float>::max();
}
bool Fits16(const std::string& text) {
  const double v = Val(text);
  return std::isfinite(v) && v > -32768.5 && v < 32767.5;
}

std::string Checked(std::string text, bool fits, const char* fallback) {
  return fits ? text : std::string(fallback);
}

void WriteHeader(clsFileINI& file) {
  file.INIString(kGroupHeaderSection, "Box Width", "", BoxText(gPrintBoxWidth));
  file.INIString(kGroupHeaderSection, "Box Height", "", BoxText(gPrintBoxHeight));
  file.INIString(kGroupHeaderSection, "Box Toggles", "", Str(gPrintBoxToggles));
  file.INIString(kGroupHeaderSection, "Date Started", "", gGroupDateStarted);
  file.INIString(kGroupHeaderSection, "Title", "", gGroupTitle);
  file.INIString(kGroupHeaderSection, "DisableRef", "",
                 Str(static_cast<int16_t>(gDisableRef ? -1 : 0)));
}

// A box size in mm from the file; a size outside 20..1000 mm keeps the current one, and so does
// the text that the current size itself writes (millimetres to 7 digits and back would move it).
void ReadBox(clsFileINI& file, const char* key, float& worldUnits) {
  const std::string current = BoxText(worldUnits);
  const std::string text = file.INIString(kGroupHeaderSection, key, current);
  if (Trim(text) == Trim(current)) return;
  const double mm = Val(text);
  if (!std::isfinite(mm) || mm < kMinBoxMM || mm > kMaxBoxMM) return;
  worldUnits = static_cast<float>(mm * kWorldUnitsPerMM);
}

void ReadHeader(clsFileINI& file) {
  gGroupDateStarted = file.INIString(kGroupHeaderSection, "Date Started", "");
  gGroupTitle = file.INIString(kGroupHeaderSection, "Title", "");
  ReadBox(file, "Box Width", gPrintBoxWidth);
  ReadBox(file, "Box Height", gPrintBoxHeight);
  const std::string toggles = file.INIString(kGroupHeaderSection, "Box Toggles",
                                             Str(gPrintBoxToggles));
  int16_t t = 0;
  if (Fits16(toggles) && TryCInt(Val(toggles), t)) gPrintBoxToggles = t;
  gDisableRef = ReadDisableRef(file.INIString(kGroupHeaderSection, "DisableRef", "-1")) ? -1 : 0;
}

// Param or ParamIncr: the trimmed fields of the text, a missing, empty or unusable field the
// default.
void SplitValues(const std::string& text, std::array<std::string, kSimParCount>& values,
                 const char* fallback) {
  std::vector<std::string> items(kSimParCount);
  ArraySplit(text, items, "|", fallback);
  for (size_t k = 0; k < values.size(); ++k)
    values[k] = FitsFloat(items[k]) ? items[k] : std::string(fallback);
}

std::string JoinValues(const std::array<std::string, kSimParCount>& values, int16_t last) {
  return ArrayJoin(std::vector<std::string>(values.begin(), values.end()), "|", last);
}

}  // namespace

std::string ItemSectionName(int16_t index) { return "SaveRestore" + Str(index); }

std::string ItemCaptionText(int16_t index, const std::string& name) {
  return Trim(Right(Str(static_cast<int16_t>(index + 1)), 2) + ". " + Trim(name));
}

void SimItemWrite(clsFileINI& file, const SimItem& item, int16_t index, bool writeHeader) {
  if (writeHeader) WriteHeader(file);
  int16_t type = -1;
  if (!ItemTypeOf(item.Type, type) || type < 0) return;
  const int16_t last = TypeLastPar(type);
  const std::string s = ItemSectionName(index);
  file.INIString(s, "DateLastChange", "", GroupDateText() + " [" + GroupTimeText() + "]");
  file.INIString(s, "Type", "", item.Type);
  file.INIString(s, "Group", "", item.Group);
  file.INIString(s, "Name", "", item.Name);
  file.INIString(s, "SpecRef", "", item.SpecRef);
  file.INIString(s, "SpecMHz", "", item.SpecMHz);
  file.INIString(s, "SpectType", "", item.SpectType);
  file.INIString(s, "VertMult", "", item.VertMult);
  file.INIString(s, "TempK", "", item.TempK);
  file.INIString(s, "VertLock", "", item.VertLock);
  file.INIString(s, "VertLockHt", "", item.VertLockHt);
  file.INIString(s, "SpecOffset", "", item.SpecOffset);
  file.INIString(s, "Param", "", JoinValues(item.Param, last));
  file.INIString(s, "ParamIncr", "", JoinValues(item.ParamIncr, last));
  file.INIString(s, "ScreenParam", "", item.ScreenParam);
  file.INIString(s, "FileName", "", item.FileName);
  file.INIString(s, "SpecVertMult", "", item.SpecVertMult);
  file.INIString(kItemCaptionSection, Trim(Str(index)), "", ItemCaptionText(index, item.Name));
}

void SimItemRead(clsFileINI& file, SimItem& item, int16_t index, bool readHeader) {
  if (readHeader) ReadHeader(file);
  const std::string s = ItemSectionName(index);
  auto get = [&](const char* key, const char* fallback) {
    return file.INIString(s, key, fallback);
  };
  item.Type = Trim(get("Type", "-1"));
  item.Group = GroupOfItemType(item.Type);
  item.Name = get("Name", "(Empty)");
  item.FileName = get("FileName", "");
  const std::string vertMult = get("SpecVertMult", "0");
  item.SpecVertMult = !FitsFloat(vertMult) || Val(vertMult) < 0.011 ? "1" : vertMult;
  item.SpectType = Checked(get("SpectType", "-1"), Fits16(get("SpectType", "-1")), "-1");
  item.VertMult = Checked(get("VertMult", "-1"), FitsFloat(get("VertMult", "-1")), "-1");
  item.VertLock = Checked(get("VertLock", "0"), Fits16(get("VertLock", "0")), "0");
  item.VertLockHt = Checked(get("VertLockHt", "3000"), FitsFloat(get("VertLockHt", "3000")),
                            "3000");
  item.TempK = Checked(get("TempK", "-1"), FitsFloat(get("TempK", "-1")), "-1");
  item.SpecOffset = Checked(get("SpecOffset", ""), Fits16(get("SpecOffset", "")), "");
  item.SpecRef = Checked(get("SpecRef", "0"), FitsFloat(get("SpecRef", "0")), "0");
  item.SpecMHz = Checked(get("SpecMHz", "0"), FitsFloat(get("SpecMHz", "0")), "0");
  SplitValues(get("Param", "0"), item.Param, "0");
  SplitValues(get("ParamIncr", "1"), item.ParamIncr, "1");
  item.ScreenParam = get("ScreenParam", "0");
}

bool SimItemSave(const SimItem& item, int16_t index, const std::string& path, bool writeHeader,
                 std::string* error) {
  // Read afresh and written back under the group's lock: another instance's save in between
  // is kept.
  const FolderLock lock(path);
  clsFileINI file;
  file.IniFilename(path);
  bool ok = file.BeginBatch();
  if (ok) {
    SimItemWrite(file, item, index, writeHeader);
    ok = file.CommitBatch();
  }
  if (!ok && error) *error = file.WriteError();
  return ok;
}

bool SimItemRestore(SimItem& item, int16_t index, const std::string& path, bool readHeader) {
  clsFileINI file;
  file.IniFilename(path);
  const bool readable = file.BeginBatch();
  // An unreadable file gives an empty slot: its defaults are read from an empty copy.
  if (!readable) file.BeginBatch(true);
  SimItemRead(file, item, index, readHeader && readable);
  file.AbandonBatch();
  return readable;
}

bool WriteNewGroupFile(const std::string& path, std::string* error) {
  const FolderLock lock(path);
  clsFileINI file;
  file.IniFilename(path);
  bool ok = file.BeginBatch();
  if (ok) {
    file.INIString(kGroupHeaderSection, "Date Started", "", gGroupDateStarted);
    file.INIString(kGroupHeaderSection, "Box Width", "", BoxText(gPrintBoxWidth));
    file.INIString(kGroupHeaderSection, "Box Height", "", BoxText(gPrintBoxHeight));
    file.INIString(kGroupHeaderSection, "Box Toggles", "", Str(gPrintBoxToggles));
    file.INIString(kGroupHeaderSection, "Title", "", gGroupTitle);
    for (int16_t n = 0; n < kGroupItems; ++n)
      file.INIString(kItemCaptionSection, Trim(Str(n)), "",
                     Right(Str(static_cast<int16_t>(n + 1)), 2) + ". ");
    ok = file.CommitBatch();
  }
  if (!ok && error) *error = file.WriteError();
  return ok;
}

std::string GroupSaveFailedText(const std::string& path, const std::string& reason) {
  return "The simulation group file [" + path + "] could not be saved: " + reason;
}

bool IsReadableGroupFile(const std::string& path) {
  const std::shared_ptr<const profile::Document> doc = profile::Load(path);
  if (!doc) return false;
  const std::string header = profile::MatchName(kGroupHeaderSection);
  for (const std::string& name : doc->SectionNames()) {
    const std::string match = profile::MatchName(name);
    if (match == header) return true;
    if (match.rfind("SAVERESTORE", 0) != 0) continue;
    const std::string number = profile::TrimBlanks(match.substr(11));
    if (!number.empty() && number.size() <= 2 &&
        number.find_first_not_of("0123456789") == std::string::npos &&
        std::stoi(number) <= kLastGroupItem)
      return true;
  }
  return false;
}

std::string UnreadableGroupText(const std::string& path) {
  if (profile::TooLarge(path)) return profile::TooLargeText(path);
  return "The file [" + path + "] is not a readable simulation group file.";
}
