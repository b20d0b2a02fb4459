// What the plot document reads of the main window beyond the engine's globals: the print box,
// its option bits, the noise level, the baselines of the experimental and difference traces,
// the difference switch, and the option control it sets. The main window registers its
// implementation; without one the engine's globals answer and the difference switch is off.
#pragma once

#include <cstdint>

class PlotDocumentSources {
 public:
  virtual ~PlotDocumentSources() = default;
  virtual float PrintBoxWidth();
  virtual float PrintBoxHeight();
  virtual int16_t PrintBoxToggles();
  virtual int16_t NoiseLevel();
  virtual int16_t ExpBaseLnTwips();
  virtual int16_t DiffBaseLnTwips();
  // The difference switch: a line fit's plot carries the difference trace.
  virtual bool DifferenceOn() { return false; }
  // Sets entry 10 of the main window's option group (types without a mode).
  virtual void SetModeOption() {}
};

// Registers the sources (not owned); nullptr restores the globals-only default.
void RegisterPlotDocumentSources(PlotDocumentSources* sources);
PlotDocumentSources& PlotSources();
