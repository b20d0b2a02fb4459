#include "groups/group_services_impl.h"

#include "engine/group_services.h"
#include "groups/sim_item.h"

namespace {

class ItemTemperatures final : public GroupServices {
 public:
  bool CurrentTempK(std::string& text) override {
    if (gCurrentSimItem < 0 || static_cast<size_t>(gCurrentSimItem) >= gSimItems.size())
      return false;
    text = gSimItems[static_cast<size_t>(gCurrentSimItem)].TempK;
    return true;
  }
};

ItemTemperatures gTemperatures;

}  // namespace

void RegisterItemTemperatures() { RegisterGroupServices(&gTemperatures); }
