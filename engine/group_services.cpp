#include "engine/group_services.h"

namespace {

class NoGroupOpen final : public GroupServices {
 public:
  bool CurrentTempK(std::string&) override { return false; }
};

NoGroupOpen gNoGroupOpen;
GroupServices* gRegisteredGroups = nullptr;

}  // namespace

void RegisterGroupServices(GroupServices* services) { gRegisteredGroups = services; }

GroupServices& Groups() { return gRegisteredGroups != nullptr ? *gRegisteredGroups : gNoGroupOpen; }
