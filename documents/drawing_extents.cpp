#include "documents/drawing_extents.h"

#include <algorithm>
#include <cmath>

#include "documents/spec_packet.h"
#include "documents/spec_record.h"
#include "drawlib/pardata.h"
#include "drawlib/text/label_layout.h"
#include "drawlib/util/error_location.h"
#include "platform/runtime_numbers.h"

namespace {

constexpr float kMM = 40.2f;
constexpr float kNothing = 100000.0f;

float Pref(int row) { return Pardata[std::size_t(row)].Default; }

struct Extents {
  float left = kNothing, bottom = kNothing, right = -kNothing, top = -kNothing;
  void Add(float x1, float y1, float x2, float y2) {
    left = std::min(left, x1);
    bottom = std::min(bottom, y1);
    right = std::max(right, x2);
    top = std::max(top, y2);
  }
};

// A spectrum object by the frame, axis and captions its own flag word and layout ask for.
void AddSpectrum(Extents& e, float x, float y, const std::string& text, const StepData& data,
                 std::vector<int16_t>& scratch) {
  std::string caption;
  SpecUnpack(SpecStepBytes(data), text, caption, gSpec, scratch);
  float left, bottom, right, top;
  SpectrumObjectExtents(x, y, gSpec.Flags, left, bottom, right, top);
  e.Add(left, bottom, right, top);
}

// How far below the first line's baseline the lines after it go: one line spacing (the label's
// "LS=" or the preference) per line break, one and a half for a double break.
float LinesBelow(const std::string& label) {
  const std::string text = LabelText(label);
  float lines = 0;
  for (std::size_t at = text.find('{'); at != std::string::npos; at = text.find('{', at + 1)) {
    if (text.compare(at, 3, "{/}") == 0) lines += 1.0f;
    else if (text.compare(at, 4, "{//}") == 0) lines += 1.5f;
  }
  if (lines == 0) return 0;
  float spacing = Pref(10);
  const std::string style = LabelStyle(label);
  if (const std::size_t ls = style.find("LS="); ls != std::string::npos) {
    const float v = ls + 4 < style.size() ? ValSng(std::string_view(style).substr(ls + 4)) : 0.0f;
    if (std::isfinite(v) && v > 0) spacing = std::min(v, 50.0f);
  }
  return lines * spacing * kMM;
}

}  // namespace

void SpectrumObjectExtents(float x, float y, int16_t f, float& left, float& bottom, float& right,
                           float& top) {
  const bool frame = f & kSpecFlagFrame, axis = f & kSpecFlagAxis;
  const float W = Pref(90), H = Pref(91), M = Pref(96), B = Pref(97), T = Pref(100);
  const float m = frame ? 2 + M : 2;
  const float t = Pref(92) < 0 ? 6 - Pref(92) : 6;
  float b = 2;
  if (axis && (f & kSpecFlagAxisCaption)) b = B + 2 + t + Pref(78) + 4;
  else if (axis) b = B + 2 + t;
  else if (frame) b = B + 2;
  float u = H + 2 + (frame ? T : 0);
  if (f & kSpecFlagObjectCaption) u = std::max(u, H + 10 + Pref(76));
  left = x - m * kMM;
  bottom = y - b * kMM;
  right = x + (W + 2 + M) * kMM;
  top = y + u * kMM;
}

void DrawingExtents(float& left, float& bottom, float& right, float& top, const StepArrays& steps,
                    int16_t first, int16_t last, int16_t flags,
                    const std::vector<int16_t>& marks) {
  ErrorLocation = 5001;
  Extents e;
  std::vector<int16_t> scratch;
  const int from = std::max<int>(first, 1), to = std::min<int>(last, steps.UBound());
  for (int i = from; i <= to; ++i) {
    const std::size_t k = std::size_t(i);
    if ((flags & kExtentsMarkedOnly) && (k >= marks.size() || marks[k] == 0)) continue;
    const bool line = int16_t(steps.StepType[k]) > 0;
    const bool nextLine = i < steps.UBound() && int16_t(steps.StepType[k + 1]) > 0;
    const std::string& text = steps.Text[k];
    if (!line && !nextLine && text.empty()) continue;
    const float x = steps.X[k], y = steps.Y[k];
    if (text.empty() || (flags & kExtentsTextsAsPoints)) {
      e.Add(x, y, x, y);
    } else if (steps.StepType[k] == SpecObjectType) {
      AddSpectrum(e, x, y, text, steps.Data[k], scratch);
    } else {
      // A label with line breaks reaches down to its last line.
      const float n = float(LabelText(text).size());
      e.Add(x - 2 * kMM, y - 2 * kMM - LinesBelow(text), x + n * 2 * kMM, y + 2 * kMM);
    }
  }
  if (e.left == kNothing) e = Extents{0, 0, 0, 0};
  left = e.left, bottom = e.bottom;
  right = std::max(e.right, e.left + 1);
  top = std::max(e.top, e.bottom + 1);
  ErrorLocation = 5002;
}
