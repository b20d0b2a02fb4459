// What the engine uses of the simulation groups: the temperature text of the current simulation
// item. The groups subsystem implements this interface and registers it at start-up; tests
// register a fake. Without a registration (no group open) there is no temperature.
#pragma once

#include <string>

class GroupServices {
 public:
  virtual ~GroupServices() = default;
  // The current item's temperature text TempK; false when no group or item is open.
  virtual bool CurrentTempK(std::string& text) = 0;
};

// Registers the groups subsystem's implementation (not owned); nullptr restores the stand-in.
void RegisterGroupServices(GroupServices* services);
// The registered implementation, or the stand-in that reports no temperature.
GroupServices& Groups();
