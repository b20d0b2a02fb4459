// Colour, line width, direction, font and style switches of the PostScript writer.
#include <algorithm>
#include <cmath>

#include "drawlib/device/world_window.h"
#include "drawlib/pardata.h"
#include "drawlib/util/error_location.h"
#include "drawlib/util/numbers.h"
#include "drawlib/util/strings.h"
#include "output/postscript_writer.h"
#include "platform/runtime_numbers.h"

namespace {

// A colour component: 0 to 1 with three decimals.
std::string Component(uint32_t byte) {
  return CommaToPoint(Format(float(byte & 0xFF) / 255.0f, "0.000"));
}

// A size of the label set-up: the 16-bit integer it is held in.
int16_t SizeValue(float v) {
  if (std::isnan(v)) return 0;
  return int16_t(std::clamp(RoundHalfEven(double(v)), -32768.0, 32767.0));
}

}  // namespace

void ZEF1PS::PSColor(uint32_t rgb) {
  ErrorLocation = 7001;
  if (int32_t(rgb) != colourCache_) {
    std::string text = " [" + Component(rgb) + " " + Component(rgb >> 8) + " " +
                       Component(rgb >> 16) + "] _color";
    text = ReplaceAll(text, "0.000", "0");
    text = ReplaceAll(text, "1.000", "1");
    text = ReplaceAll(text, ".000", "");
    // A colour with nothing drawn since is replaced; the blank before its "[" stays.
    const size_t n = buffer_.size();
    if (n >= 8 && buffer_.compare(n - 8, 8, "] _color") == 0) {
      const size_t open = buffer_.rfind('[');
      if (open != std::string::npos) buffer_.resize(open);
    }
    buffer_ += text;
    colourCache_ = int32_t(rgb);
  }
  ErrorLocation = 7002;
}

// Every number of the width and the direction stands after a blank, also when negative.
void ZEF1PS::PSLineWidth(int16_t penWidth) {
  buffer_ += " " + std::to_string(penWidth) + " _setlnwdth";
}

void ZEF1PS::PSDirection(float degrees) {
  buffer_ += " " + std::to_string(RoundToLong(double(degrees))) + " _direction";
}

void ZEF1PS::PSFont(const std::string& /*face*/, float hsize, float vsize, int16_t fontNumber) {
  ErrorLocation = 7003;
  const float scale = Pardata[35].Default;
  buffer_ += " " + Format(float(SizeValue(hsize)) * scale, "0") + " " +
             Format(float(SizeValue(vsize)) * scale, "0");
  buffer_ += fontNumber == 3 ? " _sety /Helvetica _font" : " _sety /Times _font";
  ErrorLocation = 7004;
}

void ZEF1PS::PSBoldToggle(bool on, int16_t mode) {
  ErrorLocation = 7021;
  if (mode == 1) buffer_ += on ? " (\\021) _setpar" : " (\\022) _setpar";
  ErrorLocation = 7022;
}

void ZEF1PS::PSItalicToggle(bool on, int16_t mode) {
  ErrorLocation = 7023;
  if (mode == 1) buffer_ += on ? " (\\017) _setpar" : " (\\020) _setpar";
  ErrorLocation = 7024;
}
