// The main window's link to the print preview and the export dialog: the print and export
// commands reach the dialogs, and the dialogs reach the plot document, help and the main
// window's repaint. Registered while the main window lives.
#pragma once

#include "output/output_services.h"
#include "output/output_host.h"

class frmKavo;

class OutputDialogServices final : public OutputServices, public OutputHost {
 public:
  explicit OutputDialogServices(frmKavo& window);
  ~OutputDialogServices() override;

  // OutputServices: exports and the renderer are those of the export entry.
  void ExportBySpec(const std::string& spec) override;
  void RenderOutput(const OutputRegion& region, int16_t firstStep, int16_t lastStep,
                    int16_t blackOnWhite, int16_t flags) override;
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
