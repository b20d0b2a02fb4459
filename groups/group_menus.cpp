// The group's menus: the SimSave and SimRestore entries and their check mark, the recent-group
// list, and passing the window's group commands to their handlers.
#include "drawlib/ini/cls_file_ini.h"
#include "drawlib/util/paths.h"
#include "engine/group_services.h"
#include "groups/group_file.h"
#include "groups/group_services_impl.h"
#include "groups/main_window_groups.h"
#include "mainwin/group_startup.h"
#include "platform/runtime_numbers.h"
#include "platform/runtime_text.h"

std::string MenuName(const std::string& name) {
  std::string out;
  for (char c : name) {
    out += c;
    if (c == '&') out += '&';
  }
  return out;
}

std::string NameOfMenuText(const std::string& text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    out += text[i];
    if (text[i] == '&' && i + 1 < text.size() && text[i + 1] == '&') ++i;
  }
  return out;
}

bool MainWindowGroups::GroupCommand(Ctl id, int16_t index) {
  switch (id) {
    case Ctl::mnuSimEdit: mnuSimEdit_Click(); return true;
    case Ctl::MnuGroupNew: MnuGroupNew_Click(); return true;
    case Ctl::mnuGroupOpen: mnuGroupOpen_Click(); return true;
    case Ctl::mnuGroupSaveAs: mnuGroupSaveAs_Click(); return true;
    case Ctl::mnuGroupList: mnuGroupList_Click(index); return true;
    case Ctl::mnuS: mnuS_Click(index); return true;
    case Ctl::mnuR: mnuR_Click(index); return true;
    case Ctl::cmdNextPrevSim: cmdNextPrevSim_Click(index); return true;
    default: return false;
  }
}

void MainWindowGroups::ShowDisableRef() { ctl_.SetValue(Ctl::mnuPref, 5, gDisableRef != 0); }

void MainWindowGroups::GroupINItoMenu() {
  ClearSimItems();
  if (!IsPlainFile(mGroupFile)) return;
  for (int16_t n = 0; n < kGroupItems; ++n) {
    SimItem& item = gSimItems[static_cast<size_t>(n)];
    SimItemRestore(item, n, mGroupFile, true);
    const std::string caption = Str(static_cast<int16_t>(n + 1)) + ". " + MenuName(item.Name);
    ctl_.SetCaption(Ctl::mnuR, n, caption);
    ctl_.SetCaption(Ctl::mnuS, n, caption);
  }
  ShowDisableRef();
}

void MainWindowGroups::UpdateSaveRestore(int16_t index, const std::string& name) {
  if (mCheckedItem > 99) {
    ctl_.SetValue(Ctl::mnuR, mCheckedItem - 100, false);
    ctl_.SetValue(Ctl::mnuS, mCheckedItem - 100, false);
    if (index < 0) return;
    mCheckedItem = 0;
  }
  if (index < 0 || index > kLastGroupItem) return;
  ctl_.SetValue(Ctl::mnuR, index, true);
  ctl_.SetValue(Ctl::mnuS, index, true);
  if (!name.empty()) {
    const std::string caption =
        Right(Str(static_cast<int16_t>(index + 1)), 2) + ". " + MenuName(Trim(name));
    ctl_.SetCaption(Ctl::mnuR, index, caption);
    ctl_.SetCaption(Ctl::mnuS, index, caption);
  }
  mCheckedItem = static_cast<int16_t>(index + 100);
}

void MainWindowGroups::RebuildGroupListMenu(const std::string& path) {
  // Paths keep their case and are compared exactly.
  if (path.size() < 3) return;
  std::vector<std::string> list{path};
  for (int i = 1; i < kRecentGroups; ++i) {
    const std::string& caption = ctl_.Get(Ctl::mnuGroupList, i).Caption;
    if (!caption.empty() && caption != path) list.push_back(caption);
  }
  for (int i = 1; i < kRecentGroups; ++i) {
    const std::string caption = static_cast<size_t>(i) <= list.size() ? list[i - 1] : "";
    ctl_.SetCaption(Ctl::mnuGroupList, i, caption);
    ctl_.SetVisible(Ctl::mnuGroupList, i, !caption.empty());
  }
}

void MainWindowGroups::mnuGroupList_Click(int16_t index) {
  if (index < 1 || index >= kRecentGroups) return;
  const std::string path = ctl_.Get(Ctl::mnuGroupList, index).Caption;
  bool ok = false;
  GroupSwitch(path, 0, ok);
  if (ok) RebuildGroupListMenu(path);
}
