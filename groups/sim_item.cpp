#include "groups/sim_item.h"

#include "engine/sim_catalogue.h"
#include "mainwin/type_table.h"
#include "platform/runtime_numbers.h"
#include "groups/group_clock.h"
#include "platform/runtime_text.h"

std::vector<SimItem> gSimItems;
std::string gGroupTitle;
std::string gGroupDateStarted;
int16_t gCurrentSimItem = 0;

void GrowSimItems(int16_t index) {
  if (index < 0) return;
  const auto wanted = static_cast<size_t>(index) + 1;
  if (gSimItems.size() < wanted) gSimItems.resize(wanted);
}

void ClearSimItems() { gSimItems.assign(kGroupItems, SimItem{}); }

bool ItemTypeOf(const std::string& typeText, int16_t& type) {
  const std::string t = Trim(typeText);
  if (t == "-1") {
    type = -1;
    return true;
  }
  if (t.empty() || t.size() > 2 || t.find_first_not_of("0123456789") != std::string::npos)
    return false;
  const int value = std::stoi(t);
  if (value > kPeakListType) return false;
  type = static_cast<int16_t>(value);
  return true;
}

bool ItemInUse(const SimItem& item) {
  int16_t type = -1;
  return ItemTypeOf(item.Type, type) && type >= 0;
}

int16_t TypeLastPar(int16_t type) {
  if (type < 0 || type >= kSimTypeCount) return 0;
  SimTypeRec& rec = gSimTypes[static_cast<size_t>(type)];
  if (rec.LastPar > 0) return rec.LastPar;
  SimTypeRec scratch;
  SimTypeSetup(scratch, type);
  return scratch.LastPar;
}

std::string GroupOfItemType(const std::string& typeText) {
  int16_t type = -1;
  if (!ItemTypeOf(typeText, type) || type < 0) return "-1";
  const std::string code = Trim(Str(type));
  const SimTypeGroupTexts groups = DefaultSimTypeGroups();
  for (size_t g = 0; g < groups.size(); ++g) {
    std::string rest = groups[g];
    while (!rest.empty()) {
      const size_t comma = rest.find(',');
      if (Trim(rest.substr(0, comma)) == code) return Trim(Str(static_cast<int16_t>(g)));
      rest = comma == std::string::npos ? "" : rest.substr(comma + 1);
    }
  }
  return "-1";
}

void GroupsReset() {
  gSimItems.clear();
  gGroupTitle.clear();
  gGroupDateStarted.clear();
  gCurrentSimItem = 0;
  SetGroupClock(nullptr);
}

bool SameSavedValues(const SimItem& a, const SimItem& b) {
  return a.Name == b.Name && a.ScreenParam == b.ScreenParam && a.FileName == b.FileName &&
         a.Type == b.Type && a.Group == b.Group && a.SpectType == b.SpectType &&
         a.TempK == b.TempK && a.SpecRef == b.SpecRef && a.SpecMHz == b.SpecMHz &&
         a.VertMult == b.VertMult && a.VertLock == b.VertLock && a.VertLockHt == b.VertLockHt &&
         a.SpecOffset == b.SpecOffset && a.SpecVertMult == b.SpecVertMult &&
         a.Param == b.Param && a.ParamIncr == b.ParamIncr;
}
