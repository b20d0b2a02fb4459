#include "mainwin/ui/output_dialog_services.h"

#include "output/output_registration.h"

#include "mainwin/plot_document.h"
#include "mainwin/ui/frm_kavo.h"
#include "output/ui/output_dialogs.h"

OutputDialogServices::OutputDialogServices(frmKavo& window) : window_(window) {
  RegisterOutputServices(this);
  RegisterOutputHost(this);
}

OutputDialogServices::~OutputDialogServices() {
  RegisterOutputHost(nullptr);
  RegisterOutputServices(nullptr);
}

void OutputDialogServices::ExportBySpec(const std::string& spec) {
  PrintAndExportServices().ExportBySpec(spec);
}

void OutputDialogServices::RenderOutput(const OutputRegion& region, int16_t firstStep,
                                        int16_t lastStep, int16_t blackOnWhite, int16_t flags) {
  PrintAndExportServices().RenderOutput(region, firstStep, lastStep, blackOnWhite, flags);
}

void OutputDialogServices::PrintWithPreview() {
  CreatePlotDocument();
  ::PrintWithPreview(&window_);
}

std::string OutputDialogServices::ExportDialog(const std::string& settings) {
  return ExportSetupDialog(&window_, settings);
}

void OutputDialogServices::CreateSimPlot(int16_t) { CreatePlotDocument(); }
void OutputDialogServices::MainPictureRepaint() { window_.form().PictureRepaintAllowed(); }
void OutputDialogServices::HelpShowTopic(int32_t id) { window_.form().HelpShowTopic(id); }
void OutputDialogServices::ControlHelpPopup(int32_t id) { window_.form().ControlHelpPopup(id); }
std::string OutputDialogServices::TypeCaption() { return window_.form().TypeCaption(); }
