// The main window's answers to the plot document: the difference switch is the Value of the
// btnDiffTogg control; the print box, noise and baselines are the engine's globals.
#pragma once

#include "documents/plot_sources.h"
#include "mainwin/form_controls.h"

class KavoPlotSources final : public PlotDocumentSources {
 public:
  explicit KavoPlotSources(FormControls& controls) : controls_(controls) {}
  bool DifferenceOn() override;

 private:
  FormControls& controls_;
};
