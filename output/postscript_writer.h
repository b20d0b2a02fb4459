// The PostScript writer: turns the drawing library's device-level calls into Encapsulated
// PostScript text. Every emitter appends to one buffer; the export-file writer takes the finished
// text from PSTrailer. Coordinates are emitted in scaled world units (world units times the print
// scale); the prolog of data-file entry 374 maps them onto points.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "drawlib/ps_interface.h"

class ZEF1PS final : public PostScriptWriter {
 public:
  void PSAppend(const std::string& text) override;
  void PSHeader(const std::string& title, float x1, float y1, float x2, float y2) override;
  std::string PSTrailer() override;
  void PSXY(int16_t penCode, int32_t x1, int32_t y1, int32_t x2, int32_t y2) override;
  void PSPolyline(float x, float y, int16_t mode) override;
  void PSColor(uint32_t rgb) override;
  void PSLineWidth(int16_t penWidth) override;
  void PSDirection(float degrees) override;
  void PSFont(const std::string& face, float hsize, float vsize, int16_t fontNumber) override;
  void PSBoldToggle(bool on, int16_t mode) override;
  void PSItalicToggle(bool on, int16_t mode) override;
  void PSCharTableInit(float subSuperFactor, std::vector<int16_t>& widths,
                       std::vector<std::string>& strings) override;
  // Removes a move that ends the buffer, so that two moves never follow each other.
  void PSDropMoveto();

  const std::string& Buffer() const { return buffer_; }
  bool TableBuilt() const { return tableBuilt_; }
  // The EPS rotation flag lives with the export files; until they connect their accessors the
  // flag reads 0.
  void SetEpsRotation(std::function<int16_t()> get, std::function<void(int16_t)> set);

 private:
  void AppendMove(int32_t x, int32_t y);
  void AppendCollapsed(int32_t x, int32_t y, const char* op);

  std::string buffer_;
  std::vector<int32_t> pointX_, pointY_;  // the open polyline, world units
  size_t pointCount_ = 0;                 // index of the last point stored
  bool tableBuilt_ = false;
  int32_t lastX_ = 0, lastY_ = 0;         // pen position in output coordinates
  int32_t colourCache_ = -999;            // the last colour emitted
  std::function<int16_t()> epsRotatedGet_;
  std::function<void(int16_t)> epsRotatedSet_;
};

// The process's writer.
ZEF1PS& PostScriptWriterInstance();
// Registers the process's writer with the drawing library (start-up).
void PostScriptWriterRegister();
