#include "output/ui/output_dialogs.h"

#include "output/print_with_preview.h"

#include <memory>

#include "drawlib/device/world_window.h"
#include "drawlib/util/error_location.h"
#include "output/output_host.h"
#include "output/preview_model.h"
#include "output/ui/preview_printer.h"
#include "output/ui/zef1_export.h"
#include "output/ui/zef1_prev.h"
#include "platform/msgbox.h"

void PrintWithPreview(QWidget* parent) {
  ErrorLocation = 7205;
  std::string tag;
  {
    auto preview = std::make_unique<Zef1Prev>(parent);
    // Drawing goes back to the object in force now: the page picture is unloaded with the
    // dialog.
    preview->DefaultPict(OutputTarget);
    tag = preview->RunModal();
  }
  const PrintDecision d = DecidePrint(ParsePrintRequest(tag), OutputApp().CurrentPage());
  if (!d.message.empty()) MsgBox(d.message, 64, "");
  if (d.printCurrentPage) PrintCurrentPage();
  ErrorLocation = 7206;
}

std::string ExportSetupDialog(QWidget* parent, const std::string& settings) {
  auto dialog = std::make_unique<Zef1Export>(parent);
  dialog->SetTag(settings);
  return dialog->RunModal();
}
