// The printer as printing and export see it: its resolution, printable area and paper, its
// orientation and name, and the print job with the device drawn on. The Qt side registers the
// program's printer; without one, printer-referenced exports use a virtual 600-dpi Letter page.
#pragma once

#include <cstdint>
#include <string>

#include "platform/gdi/device.h"

inline constexpr int16_t kOrientationPortrait = 1;
inline constexpr int16_t kOrientationLandscape = 2;

class OutputPrinter {
 public:
  virtual ~OutputPrinter() = default;
  virtual int32_t DpiX() = 0;
  virtual int32_t DpiY() = 0;
  // Sizes in device pixels.
  virtual GdiSize PrintableSize() = 0;
  virtual GdiSize PaperSize() = 0;
  virtual int16_t Orientation() = 0;
  virtual void SetOrientation(int16_t orientation) = 0;
  virtual std::string DeviceName() = 0;
  // Starts the print job (a PDF-file printer asks for its file first); false when it was
  // cancelled or could not start.
  virtual bool BeginDocument() = 0;
  // Ends the print job; false when its output could not be completed.
  virtual bool EndDocument() = 0;
  virtual bool Printing() = 0;
  // The page's device while printing (nullptr otherwise). With `rotated` the drawing, laid out
  // for the other orientation, is turned by 90 degrees onto the page.
  virtual Device* PageDevice(bool rotated) = 0;
};

// Registers the printer (not owned); nullptr removes it.
void SetOutputPrinter(OutputPrinter* printer);
OutputPrinter* RegisteredPrinter();
