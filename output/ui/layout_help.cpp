#include "output/ui/layout_help.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

#include "output/output_host.h"
#include "output/ui/frm_pref1.h"
#include "platform/ui/right_click_help.h"

namespace {

constexpr int32_t kBoxSizeHelp = 210;
constexpr int32_t kParToPrintHelp = 230;
// Command buttons 0-4 and 7: 220 + the index; 5 (OK), 6 (Redraw) and 8 (Help) have none.
constexpr int32_t CommandHelpContext(int index) {
  return (index <= 4 || index == 7) ? 220 + index : 0;
}

}  // namespace

int32_t PageDesignHelpContext(int j) {
  switch (j) {
    case 5: return 202;                             // Box
    case 3: return 203;                             // Par in Box
    case 0: case 10: return 205;                    // Shift Scale, Freq. Marks
    case 2: return 206;                             // Heading
    case 11: return 208;                            // Parameters
    case 1: case 4: case 12: case 13: return 209;   // Hz/ppm mark, ID, tables
    default: return 0;
  }
}

void AttachLayoutHelp(frmPref1& dialog) {
  auto* help = new RightClickHelp(&dialog, [](int32_t id) { OutputApp().ControlHelpPopup(id); });
  for (int j = 0; j < int(dialog.chkPageDesign.size()); ++j)
    if (dialog.chkPageDesign[j]) help->Attach(dialog.chkPageDesign[j], PageDesignHelpContext(j));
  for (int i = 0; i < 2; ++i) {
    help->Attach(dialog.Frame3d3[i], kBoxSizeHelp);
    help->Attach(dialog.txtWdHt[i], kBoxSizeHelp);
    help->Attach(dialog.cmdPrintFullWdHt[i], kBoxSizeHelp);
  }
  for (int i = 0; i < int(dialog.cmdPrintPref.size()); ++i)
    help->Attach(dialog.cmdPrintPref[i], CommandHelpContext(i));
  for (QCheckBox* box : dialog.chkParToPrint) help->Attach(box, kParToPrintHelp);
}
