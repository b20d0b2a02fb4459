#include "groups/ui/program_groups.h"

#include "groups/main_window_groups.h"
#include "groups/ui/frm_sim_edit.h"
#include "mainwin/ui/frm_kavo.h"

ProgramGroups::ProgramGroups(frmKavo& window)
    : groups_(std::make_unique<MainWindowGroups>(window.form())) {
  groups_->Register();
  KavoForm& form = window.form();
  groups_->SetEditorLauncher([&window, &form](const std::string& path) {
    return RunSimEditor(&window, path, form.HelpFolder());
  });
}

ProgramGroups::~ProgramGroups() = default;
