#include "drawlib/ps_interface.h"

namespace {
PostScriptWriter* gWriter = nullptr;
}

void SetPostScriptWriter(PostScriptWriter* writer) { gWriter = writer; }

void PSAppend(const std::string& text) {
  if (gWriter) gWriter->PSAppend(text);
}
void PSXY(int16_t penCode, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  if (gWriter) gWriter->PSXY(penCode, x1, y1, x2, y2);
}
void PSPolyline(float x, float y, int16_t mode) {
  if (gWriter) gWriter->PSPolyline(x, y, mode);
}
void PSColor(uint32_t rgb) {
  if (gWriter) gWriter->PSColor(rgb);
}
void PSLineWidth(int16_t penWidth) {
  if (gWriter) gWriter->PSLineWidth(penWidth);
}
void PSDirection(float degrees) {
  if (gWriter) gWriter->PSDirection(degrees);
}
void PSFont(const std::string& face, float hsize, float vsize, int16_t fontNumber) {
  if (gWriter) gWriter->PSFont(face, hsize, vsize, fontNumber);
}
void PSBoldToggle(bool on, int16_t source) {
  if (gWriter) gWriter->PSBoldToggle(on, source);
}
void PSItalicToggle(bool on, int16_t source) {
  if (gWriter) gWriter->PSItalicToggle(on, source);
}
void PSCharTableInit(float subSuperFactor, std::vector<int16_t>& widths,
                     std::vector<std::string>& strings) {
  if (gWriter) gWriter->PSCharTableInit(subSuperFactor, widths, strings);
}
void PSHeader(const std::string& title, float x1, float y1, float x2, float y2) {
  if (gWriter) gWriter->PSHeader(title, x1, y1, x2, y2);
}
std::string PSTrailer() { return gWriter ? gWriter->PSTrailer() : std::string(); }
