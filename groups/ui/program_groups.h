// The simulator's groups: the main window's group handling with the group editor window,
// registered for the life of this object.
#pragma once

#include <memory>

class frmKavo;
class MainWindowGroups;

class ProgramGroups {
 public:
  explicit ProgramGroups(frmKavo& window);
  ~ProgramGroups();
  MainWindowGroups& groups() { return *groups_; }

 private:
  std::unique_ptr<MainWindowGroups> groups_;
};
