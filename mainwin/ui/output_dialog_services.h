// The main window's link to the print preview and the export dialog: the print and export
// commands reach the dialogs, and the dialogs reach the plot document, help and the main
// window's repaint. Registered while the main window lives.
#pragma once

#include "mainwin/output_services.h"
#include "output/output_host.h"

class frmKavo;

class OutputDialogServices final : public OutputServices, public OutputHost {
 public:
  explicit OutputDialogServices(frmKavo& window);
  ~OutputDialogServices() override;

  // OutputServices: exports and the renderer stay with the export entry.
  void ExportBySpec(const std::string&) override {}
  void RenderOutput(const OutputRegion&, int16_t, int16_t, int16_t, int16_t) override {}
  void PrintWithPreview() override;
  std::string ExportDialog(const std::string& settings) override;

  // OutputHost
  void CreateSimPlot(int16_t mode) override;
  void MainPictureRepaint() override;
  void HelpShowTopic(int32_t contextId) override;
  void ControlHelpPopup(int32_t contextId) override;
  int16_t CurrentPage() override { return 1; }
  int16_t PageCount() override { return 1; }
  std::string TypeCaption() override;

 private:
  frmKavo& window_;
};
