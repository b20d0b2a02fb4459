#include "documents/plot_sources.h"

#include "engine/engine_globals.h"

float PlotDocumentSources::PrintBoxWidth() { return gPrintBoxWidth; }
float PlotDocumentSources::PrintBoxHeight() { return gPrintBoxHeight; }
int16_t PlotDocumentSources::PrintBoxToggles() { return gPrintBoxToggles; }
int16_t PlotDocumentSources::NoiseLevel() { return gNoiseLevel; }
int16_t PlotDocumentSources::ExpBaseLnTwips() { return gExpBaseLnTwips; }
int16_t PlotDocumentSources::DiffBaseLnTwips() { return gDiffBaseLnTwips; }

namespace {
PlotDocumentSources gDefaultSources;
PlotDocumentSources* gSources = nullptr;
}  // namespace

void RegisterPlotDocumentSources(PlotDocumentSources* sources) { gSources = sources; }

PlotDocumentSources& PlotSources() { return gSources ? *gSources : gDefaultSources; }
