// Opening, creating and copying a group, the group editor command, and the window's start-up
// use of the groups.
#include "documents/file_dialog.h"
#include "drawlib/util/paths.h"
#include "engine/group_services.h"
#include "groups/group_clock.h"
#include "groups/group_file.h"
#include "groups/group_services_impl.h"
#include "groups/main_window_groups.h"
#include "mainwin/group_startup.h"
#include "platform/atomic_file.h"
#include "platform/msgbox.h"
#include "platform/paths.h"
#include "platform/runtime_numbers.h"
#include "platform/runtime_text.h"

namespace {

constexpr const char* kGroupFilter = "Simulations (*.sim)|*.sim";

// Copies a file in one atomic write; false with the reason when it cannot be read or written.
bool CopyFileAtomic(const std::string& from, const std::string& to, std::string& error) {
  std::optional<std::string> bytes = ReadFileBytes(from);
  if (!bytes) {
    error = "The file [" + from + "] cannot be read.";
    return false;
  }
  return WriteFileAtomic(to, *bytes, &error);
}

}  // namespace

// The start-up seam of the window: the default group's title and date, the first usable item
// of a candidate group, and opening it.
class MainWindowGroups::Startup final : public GroupStartup {
 public:
  explicit Startup(MainWindowGroups& groups) : groups_(groups) {}
  void GroupINItoMenu() override { groups_.GroupINItoMenu(); }
  void SimItemRestore(const std::string& path, int16_t n, std::string& typeText) override {
    typeText.clear();
    if (n == 0) {
      ClearSimItems();
      if (!IsReadableGroupFile(path)) {
        MsgBox(UnreadableGroupText(path));
        unreadable_ = true;
      } else {
        unreadable_ = false;
      }
    }
    if (unreadable_ || n < 0 || n > kLastGroupItem) return;
    SimItem& item = gSimItems[static_cast<size_t>(n)];
    ::SimItemRestore(item, n, path, n == 0);
    // Only a type with a button opens the group (type 0 and peak lists do not count).
    int16_t type = -1;
    if (ItemTypeOf(item.Type, type) && type >= 1 && type < kPeakListType) typeText = item.Type;
  }
  void GroupSwitch(const std::string& path, int16_t n, bool& ok) override {
    groups_.GroupSwitch(path, n, ok);
  }
  void RebuildGroupListMenu(const std::string& path) override {
    groups_.RebuildGroupListMenu(path);
  }
  void GroupCreateNew(const std::string& path) override {
    gGroupTitle = "Default Simulation Group";
    gGroupDateStarted = GroupDateText();
    groups_.GroupCreateNew(path);
  }
  void IniSaveCalcD(int16_t n, const std::string& name) override {
    groups_.IniSaveCalcD(gSimType, groups_.form_.CurrentGroup(), gFinm, n, name);
  }

 private:
  MainWindowGroups& groups_;
  bool unreadable_ = false;
};

MainWindowGroups::MainWindowGroups(KavoForm& form)
    : form_(form), ctl_(form.Controls()), startup_(std::make_unique<Startup>(*this)) {}

MainWindowGroups::~MainWindowGroups() {
  if (!registered_) return;
  RegisterGroupCommands(nullptr);
  RegisterGroupStartup(nullptr);
  RegisterGroupServices(nullptr);
}

void MainWindowGroups::Register() {
  RegisterGroupCommands(this);
  RegisterGroupStartup(startup_.get());
  RegisterItemTemperatures();
  registered_ = true;
}

void MainWindowGroups::SetGroupFile(const std::string& path) {
  mGroupFile = path;
  form_.SetGroupFile(path);
}

bool MainWindowGroups::NoGroupOpen() {
  if (!mGroupFile.empty()) return false;
  MsgBox("No simulation group is open.");
  return true;
}

void MainWindowGroups::GroupSwitch(const std::string& path, int16_t itemIndex, bool& ok) {
  ok = false;
  if (IsPlainFile(path)) {
    if (!IsReadableGroupFile(path)) {
      MsgBox(UnreadableGroupText(path));
      return;
    }
    const bool hadGroup = !mGroupFile.empty();
    SetGroupFile(path);
    GroupINItoMenu();
    UpdateSaveRestore(-1, "");
    mnuR_Click(itemIndex);
    if (hadGroup)
      MsgBox("Simulation group file: [" + path + "] opened.\r\n\r\n"
             "Use the SimRestore and SimSave menus to access individual simulations in the "
             "group.");
    ok = true;
  } else if (!path.empty()) {
    MsgBox("Simulation group file: [" + path + "] not found.");
  }
}

bool MainWindowGroups::GroupCreateNew(const std::string& path) {
  std::string error;
  if (!WriteNewGroupFile(path, &error)) {
    MsgBox(GroupSaveFailedText(path, error), vbExclamation);
    return false;
  }
  for (int16_t n = 0; n < kGroupItems; ++n) {
    const std::string caption = Right(Str(static_cast<int16_t>(n + 1)), 2) + ". ";
    ctl_.SetCaption(Ctl::mnuR, n, caption);
    ctl_.SetCaption(Ctl::mnuS, n, caption);
  }
  SetGroupFile(path);
  RebuildGroupListMenu(path);
  return true;
}

void MainWindowGroups::MnuGroupNew_Click() {
  const std::string chosen =
      FileDialog("", mGroupFile, "", kGroupFilter, kOfnOverwritePrompt, 0);
  if (chosen.empty()) return;
  const std::string path = ChangeExtension(chosen, "sim");
  bool cancelled = false;
  const std::string title =
      InputBox("Type title of Simulation Group:", "Sim Group", "", cancelled);
  if (cancelled) return;
  const std::string oldTitle = gGroupTitle, oldDate = gGroupDateStarted;
  gGroupTitle = title;
  gGroupDateStarted = GroupDateText();
  if (!GroupCreateNew(path)) {
    gGroupTitle = oldTitle;
    gGroupDateStarted = oldDate;
    return;
  }
  ClearSimItems();
  gCurrentSimItem = 0;
  UpdateSaveRestore(-1, "");
}

void MainWindowGroups::mnuGroupOpen_Click() {
  std::string chosen = FileDialog("", mGroupFile, "", kGroupFilter, 0, 1);
  if (chosen.empty()) chosen = mGroupFile;  // a cancelled dialog opens the group again
  bool ok = false;
  GroupSwitch(chosen, 0, ok);
  RebuildGroupListMenu(mGroupFile);
}

void MainWindowGroups::mnuGroupSaveAs_Click() {
  if (NoGroupOpen()) return;
  const std::string chosen = FileDialog("", mGroupFile, "", kGroupFilter, 0, 0);
  if (chosen.empty()) return;
  const std::string newPath = ChangeExtension(chosen, "sim");
  if (newPath == mGroupFile) {
    MsgBox("The sim file [" + mGroupFile + "] already exists and is up to date.", vbInformation,
           "Sim File Save As");
    return;
  }
  std::string error;
  const std::string oldZef = ChangeExtension(mGroupFile, "zef");
  const std::string newZef = ChangeExtension(newPath, "zef");
  bool ok = CopyFileAtomic(mGroupFile, newPath, error);
  if (ok && IsPlainFile(oldZef)) {
    ok = CopyFileAtomic(oldZef, newZef, error);
  } else if (ok && PathExists(newZef)) {
    // A drawing file left beside the new name belongs to another group.
    std::remove(NativePath(newZef).c_str());
  }
  if (!ok) {
    MsgBox(GroupSaveFailedText(newPath, error), vbExclamation);
    return;
  }
  SetGroupFile(newPath);
  RebuildGroupListMenu(newPath);
}

void MainWindowGroups::mnuSimEdit_Click() {
  if (NoGroupOpen()) return;
  if (!launcher_) return;
  const std::string tag = launcher_(mGroupFile);
  if (!tag.empty() && tag != mGroupFile) {
    SetGroupFile(tag);
    RebuildGroupListMenu(tag);
  }
  GroupINItoMenu();
}
