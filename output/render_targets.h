// The targets of the output renderer: each opens its device and sets up the world window, and
// finishes its output (file, clipboard, preview, footer) after the steps are drawn.
#pragma once

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>

#include "output/output_services.h"

class Device;

// Thrown by a target that could not start the print job.
struct PrinterJobError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

class RenderTarget {
 public:
  virtual ~RenderTarget() = default;
  // The device drawn on (nullptr for PostScript); false when there is nothing to draw on (the
  // reason was shown, or there is no printer).
  virtual bool Open(const OutputRegion& region, uint16_t flags) = 0;
  virtual Device* Dc() = 0;
  // After the steps: closes the output and tells the user what became of it.
  virtual void Finish(const OutputRegion& region, uint16_t flags) = 0;
};

// The target of the flags: the printer (0x0004), a bitmap (0x0018, JPG), a metafile or the
// PostScript buffer.
std::unique_ptr<RenderTarget> MakeRenderTarget(uint16_t flags);

// Maps the region onto the screen-sized picture of the print scale (a "-S" export), or takes
// the printer's scales. Returns the picture's size in twips for screen-referenced exports.
void SetExportWorldWindow(const OutputRegion& r, uint16_t flags, float& widthTwips,
                          float& heightTwips);

// The box "ZEF Export" with the message and two line ends.
void ShowExportMessage(const std::string& message);
