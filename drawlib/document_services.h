// What the drawing library needs of the drawing documents above it: the file start-up, the
// rescaling and drawing of spectrum objects, the program data file's entries and the current
// page's number. The documents subsystem registers its implementation at start-up; until then
// the calls do nothing (and return nothing).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "drawlib/steps/step_list.h"
#include "drawlib/util/byte_array.h"

class Device;

class DocumentServices {
 public:
  virtual ~DocumentServices() = default;
  // Folders, temporary folder, the "Preferences" section and the current colour scheme.
  virtual void FileInit() = 0;
  // Rescales a spectrum object's bytes to the given size in millimetres; the header label
  // comes back with the new size.
  virtual void SpecRescale(ByteArray& data, std::string& headerLabel,
                           float newWidthMM, float newHeightMM) = 0;
  // Draws the spectrum object of a step: the step number, its label text, its box
  // flags (bit 4 is set once the object is unpacked), its data and its anchor point.
  virtual void SpecPrint(Device* /*dc*/, int16_t /*stepIndex*/, const std::string& /*text*/,
                         int16_t& /*boxFlags*/, const StepData& /*data*/, float /*x*/,
                         float /*y*/) {}
  // The text of entry n of the program data file ("" when absent).
  virtual std::string DataFileEntry(int16_t /*n*/) { return ""; }
  // The page-number field of the current page (the page that page 1 names as current), which
  // the label field "{Page#}" shows.
  virtual int16_t CurrentPageNumber() { return 0; }
};

// Registers the services (not owned); nullptr removes them.
void SetDocumentServices(DocumentServices* services);

void FileInit();
void SpecRescale(ByteArray& data, std::string& headerLabel, float newWidthMM,
                 float newHeightMM);
void SpecPrint(Device* dc, int16_t stepIndex, const std::string& text, int16_t& boxFlags,
               const StepData& data, float x, float y);
std::string DataFileEntry(int16_t n);
int16_t CurrentPageNumber();
