// Draws arbitrary label bytes with arbitrary glyph entries on the recording device and through a
// recording PostScript writer. Input: one option byte (bit 0 PostScript, bits 1-2 the LabelDraw
// flags 3, 5, 16 or 32, bit 3 a measuring device, bits 4-5 the font number 0, 3, 4 or 14), a count
// of glyph entries, each entry as code (2 bytes) + length (1 byte) + bytes, then the label. Boxes
// must come out finite, and the label layer must leave the output word as it found it.
#include <cmath>
#include <cstdint>
#include <map>
#include <string>

#include "drawlib/color_scheme.h"
#include "drawlib/device/world_window.h"
#include "drawlib/drawlib_init.h"
#include "drawlib/pardata.h"
#include "drawlib/text/glyph_tables.h"
#include "drawlib/text/label_draw.h"
#include "drawlib/text/label_layout.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/silent_boxes.h"
#include "platform/gdi/recording_device.h"
#include "tests/drawlib/recording_postscript.h"

namespace {

bool Finite(const StepBoxRec& b) {
  return std::isfinite(b.x1) && std::isfinite(b.y1) && std::isfinite(b.x2) && std::isfinite(b.y2);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static SilentBoxes boxes;
  static bool started = false;
  if (!started) {
    SetMsgBoxHandler(&boxes);
    started = true;
  }
  if (size < 2) return 0;
  const uint8_t options = data[0];
  size_t at = 2;
  std::map<int, std::string> entries;
  for (int k = 0; k < (data[1] & 15) && at + 3 <= size; ++k) {
    const int code = (data[at] | (data[at + 1] << 8)) % 361;
    const size_t length = data[at + 2];
    at += 3;
    const size_t n = std::min(length, size - at);
    entries[code] = std::string(reinterpret_cast<const char*>(data + at), n);
    at += n;
  }
  const std::string label(reinterpret_cast<const char*>(data + at), size - at);

  DrawLibReset();
  PardataBuild();
  for (int i = 0; i < kPaletteSize; ++i) ColorScheme.ColorPalette[size_t(i)] = DefaultColorRGB(i);
  SchemePaletteFlag = true;
  SetGlyphEntrySource([&entries](int16_t code) {
    const auto it = entries.find(code);
    return it == entries.end() ? std::string() : it->second;
  });
  StylesInit(-1);
  FontNames[3] = "Arial";
  FontNames[4] = "Times New Roman";
  const int fonts[4] = {0, 3, 4, 14};
  Pardata[9].Default = float(fonts[(options >> 4) & 3]);
  WorldWindow.sx = WorldWindow.sy = 0.1f;

  RecordingDevice dc;
  dc.logPixels = false;
  RecordingDevice measure;
  RecordingPostScript ps;
  if (options & 8) TextMeasureDevice = &measure;
  const uint16_t output = (options & 1) ? kOutputPostScript : kOutputFlagsScreen;
  OutputFlags = output;
  LabelAttrReset(&dc);
  const int16_t flagChoices[4] = {3, 5, 16, 32};
  StepBoxRec box;
  LabelDraw(&dc, 1, 0xFFFF, label, box, StepData{}, 100.0f, -200.0f, flagChoices[(options >> 1) & 3]);
  FuzzCheck(Finite(box), "a label's box is finite");
  FuzzCheck(OutputFlags == output, "the output word is as before the label");

  // The layout alone, stopping at the first break, on what is left after the label's ">".
  std::string text = LabelText(label);
  StepBoxRec layoutBox;
  int16_t changed = 0;
  LabelLayout(&dc, label.empty() ? 'F' : label[0], text, changed, layoutBox, 8 | 16);
  FuzzCheck(Finite(layoutBox), "a layout's box is finite");
  FontSetAPI(&dc, 0);
  TextMeasureDevice = nullptr;
  return 0;
}
