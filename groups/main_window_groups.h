// The main window's side of the simulation groups: the open group, the Sim-Group menu (new,
// open, save as, recent groups, the group editor), the SimSave and SimRestore menus with one
// entry per item, the step buttons, saving the current simulation as an item with its drawing
// and restoring an item into the window. It carries out the window's group commands and its
// start-up use of the groups.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "groups/sim_item.h"
#include "mainwin/group_commands.h"
#include "mainwin/kavo_form.h"

class MainWindowGroups final : public GroupCommands {
 public:
  // Shows the group editor modally with the group path as its tag and returns its tag.
  using EditorLauncher = std::function<std::string(const std::string& groupPath)>;

  explicit MainWindowGroups(KavoForm& form);
  ~MainWindowGroups() override;
  MainWindowGroups(const MainWindowGroups&) = delete;
  MainWindowGroups& operator=(const MainWindowGroups&) = delete;

  // Registers this object as the window's group commands and start-up seam and the engine's
  // temperature source; the destructor takes the registrations back.
  void Register();
  void SetEditorLauncher(EditorLauncher launcher) { launcher_ = std::move(launcher); }

  bool GroupCommand(Ctl id, int16_t index) override;

  // --- Public members of the window ---
  void GroupSwitch(const std::string& path, int16_t itemIndex, bool& ok);
  void GroupINItoMenu();
  void UpdateSaveRestore(int16_t index, const std::string& name);
  bool GroupCreateNew(const std::string& path);
  bool IniSaveCalcD(int16_t simType, int16_t typeGroup, const std::string& fileName,
                    int16_t index, const std::string& name);
  void SaveSimItem(int16_t index, const std::string& name, bool& saved);
  bool SaveZefFile(int16_t index, const std::string& path, bool* unreadable = nullptr);
  // The message of an item save refused because its drawing could not be written.
  std::string ItemNotSavedText(int16_t index, const std::string& zef) const;

  // --- Handlers ---
  void mnuGroupList_Click(int16_t index);
  void MnuGroupNew_Click();
  void mnuGroupOpen_Click();
  void mnuGroupSaveAs_Click();
  void mnuS_Click(int16_t index);
  // True when an item was restored.
  bool mnuR_Click(int16_t index);
  void mnuSimEdit_Click();
  void cmdNextPrevSim_Click(int16_t index);

  void RebuildGroupListMenu(const std::string& path);

  const std::string& GroupFile() const { return mGroupFile; }
  int16_t CheckedItem() const { return mCheckedItem; }

 private:
  class Startup;
  void SetGroupFile(const std::string& path);
  bool NoGroupOpen();
  void ShowDisableRef();
  void RestoreSimParams(SimTypeRec& typeRec, const SimItem& item);
  void SelectTypeButtons(int16_t group, int16_t type);

  KavoForm& form_;
  FormControls& ctl_;
  std::unique_ptr<Startup> startup_;
  EditorLauncher launcher_;
  bool registered_ = false;

  std::string mGroupFile;
  int16_t mCheckedItem = 0;
  bool mRestoring = false;
};

// The menu caption text of an item name: "&" doubled, so the name shows as it is.
std::string MenuName(const std::string& name);
// The name in a menu caption (the reverse of MenuName).
std::string NameOfMenuText(const std::string& text);
