// A PostScript writer that records every emitter call as one text line, for the tests and fuzz
// targets of the label layer. Its character table is a small stand-in for the writer's: codes
// 32..126 stand for themselves ("(", ")" and "\" escaped), every width is one digit width
// (150) and code 31 holds the digit advance of the font row (556 Helvetica, 500 Times).
#pragma once

#include <string>
#include <vector>

#include "drawlib/ps_interface.h"

class RecordingPostScript : public PostScriptWriter {
 public:
  RecordingPostScript() { SetPostScriptWriter(this); }
  ~RecordingPostScript() override { SetPostScriptWriter(nullptr); }
  RecordingPostScript(const RecordingPostScript&) = delete;
  RecordingPostScript& operator=(const RecordingPostScript&) = delete;

  void PSAppend(const std::string& text) override {
    log.push_back("Append" + text);
    buffer += text;
  }
  void PSXY(int16_t pen, int32_t x1, int32_t y1, int32_t x2, int32_t y2) override {
    log.push_back("XY " + std::to_string(pen) + " " + std::to_string(x1) + " " +
                  std::to_string(y1) + " " + std::to_string(x2) + " " + std::to_string(y2));
  }
  void PSPolyline(float x, float y, int16_t mode) override {
    log.push_back("Poly " + std::to_string(int(x)) + " " + std::to_string(int(y)) + " " +
                  std::to_string(mode));
  }
  void PSColor(uint32_t rgb) override { log.push_back("Color " + std::to_string(rgb)); }
  void PSLineWidth(int16_t width) override { log.push_back("LineWidth " + std::to_string(width)); }
  void PSDirection(float degrees) override {
    log.push_back("Direction " + std::to_string(int(degrees)));
  }
  void PSFont(const std::string& face, float hsize, float vsize, int16_t fontNumber) override {
    log.push_back("Font " + face + " " + std::to_string(int(hsize + 0.5f)) + " " +
                  std::to_string(int(vsize + 0.5f)) + " " + std::to_string(fontNumber));
  }
  void PSBoldToggle(bool on, int16_t source) override {
    log.push_back(std::string("Bold ") + (on ? "on " : "off ") + std::to_string(source));
  }
  void PSItalicToggle(bool on, int16_t source) override {
    log.push_back(std::string("Italic ") + (on ? "on " : "off ") + std::to_string(source));
  }
  void PSCharTableInit(float, std::vector<int16_t>& widths,
                       std::vector<std::string>& strings) override {
    ++tableBuilds;
    if (built) return;
    built = true;
    for (int code = 32; code <= 126; ++code) {
      std::string s(1, char(code));
      if (code == '(' || code == ')' || code == '\\') s = "\\" + s;
      strings[size_t(code) * 4 + 3] = s;
      for (int row = 2; row <= 5; ++row) widths[size_t(code) * 6 + size_t(row)] = 150;
    }
    widths[31 * 6 + 3] = 556;
    widths[31 * 6 + 4] = 500;
  }

  // Lines of the log that start with the prefix.
  std::vector<std::string> Calls(const std::string& prefix) const {
    std::vector<std::string> out;
    for (const std::string& line : log)
      if (line.compare(0, prefix.size(), prefix) == 0) out.push_back(line);
    return out;
  }

  std::vector<std::string> log;
  std::string buffer;  // everything appended
  int tableBuilds = 0;
  bool built = false;
};
