// What the drawing library needs of the drawing documents above it: the file start-up and the
// rescaling of spectrum objects. The documents subsystem registers its implementation at
// start-up; until then the calls do nothing.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "drawlib/util/byte_array.h"

class DocumentServices {
 public:
  virtual ~DocumentServices() = default;
  // Folders, temporary folder, the "Preferences" section and the current colour scheme.
  virtual void FileInit() = 0;
  // Rescales a spectrum object's bytes to the given size in millimetres; the header label
  // comes back with the new size.
  virtual void SpecRescale(ByteArray& data, std::string& headerLabel,
                           float newWidthMM, float newHeightMM) = 0;
};

// Registers the services (not owned); nullptr removes them.
void SetDocumentServices(DocumentServices* services);

void FileInit();
void SpecRescale(ByteArray& data, std::string& headerLabel, float newWidthMM,
                 float newHeightMM);
