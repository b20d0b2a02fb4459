#include "mainwin/group_startup.h"

namespace {

class NoGroups final : public GroupStartup {
 public:
  void GroupINItoMenu() override {}
  void SimItemRestore(const std::string&, int16_t, std::string& typeText) override {
    typeText.clear();
  }
  void GroupSwitch(const std::string&, int16_t, bool& ok) override { ok = false; }
  void RebuildGroupListMenu(const std::string&) override {}
  void GroupCreateNew(const std::string&) override {}
  void IniSaveCalcD(int16_t, const std::string&) override {}
};

NoGroups gNoGroups;
GroupStartup* gGroups = nullptr;

}  // namespace

void RegisterGroupStartup(GroupStartup* groups) { gGroups = groups; }

GroupStartup& GroupsAtStartup() { return gGroups ? *gGroups : gNoGroups; }
