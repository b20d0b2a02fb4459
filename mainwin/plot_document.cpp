#include "mainwin/plot_document.h"

#include "documents/plot_document.h"

#include "drawlib/params_apply.h"
#include "drawlib/steps/step_list.h"

void CreatePlotDocument(int16_t mode) { CreateSimPlot(mode); }

void PlotPageRegion(OutputRegion& region) {
  region.left = PrintableRect.left;
  region.bottom = PrintableRect.bottom;
  region.right = PrintableRect.right;
  region.top = PrintableRect.top;
}

int16_t PlotStepCount() { return StepCountGet(); }
