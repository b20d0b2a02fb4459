// What the drawing library needs of the PostScript writer. The output subsystem implements
// PostScriptWriter and registers it at start-up; until then the emitters do nothing. The printer
// set-up has its own seam (printer_interface.h).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "drawlib/printer_interface.h"

class PostScriptWriter {
 public:
  virtual ~PostScriptWriter() = default;
  virtual void PSAppend(const std::string& text) = 0;
  virtual void PSXY(int16_t penCode, int32_t x1, int32_t y1, int32_t x2, int32_t y2) = 0;
  virtual void PSPolyline(float x, float y, int16_t mode) = 0;
  virtual void PSColor(uint32_t rgb) = 0;
  virtual void PSLineWidth(int16_t penWidth) = 0;
  virtual void PSDirection(float degrees) = 0;
  // hsize: the letter width h x B; vsize: the letter height h (world units, unscaled).
  virtual void PSFont(const std::string& face, float hsize, float vsize, int16_t fontNumber) = 0;
  virtual void PSBoldToggle(bool on, int16_t source) = 0;
  virtual void PSItalicToggle(bool on, int16_t source) = 0;
  // widths: codes 0..360 by 6 columns (code * 6 + column); strings: codes 0..360 by 4 columns.
  virtual void PSCharTableInit(float subSuperFactor, std::vector<int16_t>& widths,
                               std::vector<std::string>& strings) = 0;
  // Starts a new document for the world rectangle (x1, y1)-(x2, y2), lower-left then
  // upper-right, with the title of its comments.
  virtual void PSHeader(const std::string& /*title*/, float /*x1*/, float /*y1*/, float /*x2*/,
                        float /*y2*/) {}
  // Ends the document and returns its whole text.
  virtual std::string PSTrailer() { return ""; }
};

// Registers the writer (not owned); nullptr removes it.
void SetPostScriptWriter(PostScriptWriter* writer);

void PSAppend(const std::string& text);
void PSXY(int16_t penCode, int32_t x1, int32_t y1, int32_t x2, int32_t y2);
void PSPolyline(float x, float y, int16_t mode);
void PSColor(uint32_t rgb);
void PSLineWidth(int16_t penWidth);
void PSDirection(float degrees);
void PSFont(const std::string& face, float hsize, float vsize, int16_t fontNumber);
void PSBoldToggle(bool on, int16_t source);
void PSItalicToggle(bool on, int16_t source);
void PSCharTableInit(float subSuperFactor, std::vector<int16_t>& widths,
                     std::vector<std::string>& strings);
void PSHeader(const std::string& title, float x1, float y1, float x2, float y2);
std::string PSTrailer();
