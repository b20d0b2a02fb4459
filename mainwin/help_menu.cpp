// Help: the help viewer by context number, the Help menu, the about box, and the recent-file
// list of the File menu.
#include "mainwin/kavo_form.h"
#include "platform/help_viewer.h"
#include "platform/msgbox.h"
#include "platform/paths.h"

namespace {
constexpr const char* kVersion = "Version 7.1 for Linux";
}

void KavoForm::HelpSetup(int64_t ownerWindow) {
  mHelpOwner = ownerWindow;
  mHelpFolder = PathJoin(ProgramFolder(), "help");
  if (!PathIsDirectory(mHelpFolder)) {
    const std::string shared = PathJoin(ShareFolder(), "help");
    if (PathIsDirectory(shared)) mHelpFolder = shared;
  }
}

void KavoForm::HelpShowTopic(int32_t id) { Help().ShowTopic(mHelpFolder, id); }

void KavoForm::HelpShowPopup(int32_t id) { Help().ShowPopup(mHelpFolder, id); }

void KavoForm::HelpQuit() { Help().Quit(); }

void KavoForm::ShowAbout() {
  MsgBox(std::string("VIREO:  NMR Spectrum Calculations ") + kVersion +
             "\r\n\r\n"
             "Spectra of coupled spin systems, first-order multiplets and exchanging nuclei, "
             "with experimental spectra overlaid for fitting by eye.",
         vbInformation, "About This Program");
}

void KavoForm::mnuHelpTopic_Click(int32_t index) {
  if (index == kHelpAboutItem) ShowAbout();
  else HelpShowTopic(index);
}

void KavoForm::RebuildFileListMenu(const std::string& path) {
  // Paths keep their case and are compared exactly.
  for (int i = 0; i <= 8; ++i)
    if (ctl_.Get(Ctl::mnufList, i).Caption == path) return;
  for (int i = 8; i >= 0; --i) {
    const std::string a = ctl_.Get(Ctl::mnufList, i).Caption;
    const std::string b = ctl_.Get(Ctl::mnufList, i + 1).Caption;
    ctl_.SetCaption(Ctl::mnufList, i, b);
    ctl_.SetCaption(Ctl::mnufList, i + 1, a);
    ctl_.SetVisible(Ctl::mnufList, i + 1, !a.empty());
  }
  ctl_.SetCaption(Ctl::mnufList, 0, path);
  ctl_.SetVisible(Ctl::mnufList, 0, true);
  ctl_.SetVisible(Ctl::mnufListSep, 0, true);
}
