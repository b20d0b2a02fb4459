// What the main window's print and export commands call of printing and export: the export
// entry, the renderer (with the end of the print job), the print preview and the export dialog.
// Printing and export register their implementation at start-up; until then a stand-in does
// nothing (the export dialog answers as cancelled).
#pragma once

#include <cstdint>
#include <string>

struct OutputRegion {
  float left = 0, bottom = 0, right = 0, top = 0;  // world units
};

class OutputServices {
 public:
  virtual ~OutputServices() = default;
  // Exports the current drawing as the export text says ("WMF-S Disk Page " ...).
  virtual void ExportBySpec(const std::string& exportSpec) = 0;
  // Draws steps first..last of the current drawing inside the region onto the target the flags
  // name (68: the printer, drawn with the device layer), then ends the print job.
  virtual void RenderOutput(const OutputRegion& region, int16_t firstStep, int16_t lastStep,
                            int16_t blackOnWhite, int16_t flags) = 0;
  // The print preview; prints what it is asked to.
  virtual void PrintWithPreview() = 0;
  // The export dialog: the export settings text goes in, the chosen settings come out ("" when
  // the user cancels or closes the dialog).
  virtual std::string ExportDialog(const std::string& settings) = 0;
};

void RegisterOutputServices(OutputServices* services);
OutputServices& Output();
