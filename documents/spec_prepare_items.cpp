// The items of a spectrum drawing: integral curves with their value labels, insets that enlarge
// a part of the spectrum, spin markers and peak annotations with their leader lines.
#include <algorithm>
#include <cmath>

#include "documents/spec_draw_trace.h"
#include "documents/spec_prepare.h"
#include "documents/spec_prepare_parts.h"
#include "documents/spec_scale.h"
#include "drawlib/axes/draw_axis.h"
#include "drawlib/device/pen_cache.h"
#include "drawlib/device/world_window.h"
#include "drawlib/device/world_lines.h"
#include "drawlib/linetypes/draw_alt_bnd.h"
#include "drawlib/text/label_attrs.h"
#include "drawlib/text/label_draw.h"
#include "drawlib/text/label_layout.h"
#include "drawlib/util/numbers.h"
#include "platform/runtime_numbers.h"
#include "platform/runtime_text.h"

namespace {

constexpr float kInsetFactor = 0.8f;
constexpr int16_t kLeaderAttrib = 1025;  // line type 1, width class 5, colour 0
constexpr float kLeaderA = 52.26f, kLeaderB = 120.6f, kLeaderC = 52.26f;
constexpr float kLeastSpacing = 123.816f;

void Label(Device* dc, const std::string& text, float x, float y) {
  StepBoxRec box;
  LabelDraw(dc, 0, 0xFFFF, text, box, StepData{}, x, y, 3);
}

std::string Formatted(float v, const char* pattern) { return CommaToPoint(Format(v, pattern)); }

int16_t ClampedPoint(const SpecFrame& f, float freq) {
  return int16_t(std::clamp<int32_t>(SpecXToPoint(*f.rec, freq), 0, f.last));
}

// One integral curve: from its start frequency towards lower frequencies, the running sum of the
// points above its baseline.
void DrawIntegral(const SpecFrame& f, int i) {
  const SpecRec& rec = *f.rec;
  const SpecIntegralItem& item = rec.Integral[std::size_t(i)];
  const int16_t p0 = SpecXToPoint(rec, item.StartHz);
  if (!(p0 > f.first && p0 < f.last)) return;
  const double width = std::round(double(item.WidthHz) / double(rec.HzPerPt));
  if (!std::isfinite(width)) return;
  const int32_t end = std::max<int32_t>(int32_t(std::clamp(p0 - width, -1.0, 32767.0)), f.first);
  const std::vector<int16_t>& pts = *f.points;
  const float y0 = f.oy + item.VOff;
  float px = f.XOfPoint(p0), py = y0;
  if (f.mode & kSpecModeRecordPositions) {
    f.rec->Pos(89 + 2 * i) = px;
    f.rec->Pos(90 + 2 * i) = py;
  }
  const float scale = rec.IntegScale * float(rec.IntegMult);
  const bool lines = SpecDrawsLineObjects(rec.IntegAttrib);
  PenSetAttrib(f.dc, rec.IntegAttrib);
  if (!lines) PolyBuffer(f.dc, px, py, 1);
  bool runOpen = !lines;
  double s = 0;
  for (int32_t k = p0; k >= end; --k) {
    s += double(pts[std::size_t(k)]) - double(item.Base);
    const float x = f.XOfPoint(k);
    const float y = float(double(y0) + s * double(scale));
    const bool inside = y > f.oy - f.B && y < f.oy + f.H + f.T;
    if (inside && lines) {
      DrawAltBnd(f.dc, px, py, uint16_t(rec.IntegAttrib), x, y, kDrawAltBndDraw);
    } else if (inside) {
      if (!runOpen) PolyBuffer(f.dc, px, py, 1);
      PolyBuffer(f.dc, x, y, 2);
      runOpen = true;
    } else if (runOpen && !lines) {
      PolyBuffer(f.dc, 0, 0, 4);
      runOpen = false;
    }
    px = x, py = y;
  }
  if (runOpen) PolyBuffer(f.dc, 0, 0, 4);
  if (!(rec.IntegFlags & 1) && py < f.oy + f.H + f.T)
    Label(f.dc, "L  R = 0.7 P = 2 > " + Formatted(item.Height * rec.IntegPerUnit, "0.00"),
          px - 40, py + 80);
}

void DrawInset(const SpecFrame& f, int i, const std::string& style) {
  const SpecRec& rec = *f.rec;
  SpecInsetItem& item = f.rec->Inset[std::size_t(i)];
  const float freq = item.StartHz;
  if (!(freq >= rec.StartHz && freq <= rec.StartHz + rec.WdthHz)) return;
  const bool ppm = item.AxisBits & kInsetPpm;
  const float u = SpecPpmFactor(rec, ppm);
  const float x0 = f.ox + item.X, y0 = f.oy + item.Y;
  const int16_t p1 = SpecXToPoint(rec, freq), p2 = SpecXToPoint(rec, freq + item.SpanHz);
  if (f.mode & kSpecModeRecordPositions) {
    f.rec->Pos(149 + 2 * i) = x0;
    f.rec->Pos(150 + 2 * i) = y0;
  }
  if (p1 == p2) return;  // no span to enlarge
  SpecTraceLayout trace;
  trace.attrib = item.Attrib;
  trace.xPerPoint = item.Width / float(p1 - p2);
  trace.x0 = x0, trace.y0 = y0;
  trace.upper = (SpecPref(100) - 2) * kSpecMM + f.H - item.Y;
  trace.lower = -f.B;
  trace.baseline = rec.Baseline;
  trace.yScale = item.YScale;
  SpecDrawTrace(f.dc, *f.points, p1, p2, trace);
  const float valueSpan = u * item.SpanHz;
  if ((item.AxisBits & kInsetAxis) && valueSpan != 0 && std::isfinite(valueSpan)) {
    AxisLayout a;
    a.x = x0;
    a.y = y0 - kInsetFactor * f.B;
    a.style = style;
    a.length = item.Width;
    a.bigTick = kInsetFactor * f.bigTick;
    a.smallTick = kInsetFactor * SpecPrefWorld(93);
    a.startValue = u * (freq + item.SpanHz + rec.Ref);
    a.firstTickValue = item.FirstTick;
    a.tickSeparation = item.TickSep;
    a.scale = -item.Width / valueSpan;
    a.subdivisions = item.Subdiv;
    a.formatIndex = int16_t(std::clamp<int32_t>(RoundToLong(item.NumFormat), -32768, 32767));
    a.flags = int16_t(((item.AxisBits & kInsetNoAxisLine) ? -124 : 4) | (f.mode & 0x0B));
    DrawAxis(f.dc, f.box, a);
  }
  if (item.AxisBits & kInsetUnitCaption) {
    const float y = y0 + kInsetFactor * (SpecPrefWorld(78) - f.B - 201.0f - f.g);
    SpecLabelOffset(f.dc, x0 + item.Width / 2 - f.ox, y - f.oy,
                    "M " + style + " > " + (ppm ? "ppm" : "Hz"), -1, kSpecOffsetFromOrigin,
                    f.mode);
  }
}

// The annotation number format: Hz "0.0"; ppm by the shown width in ppm.
const char* AnnotPattern(const SpecRec& rec, bool ppm) {
  if (!ppm) return "0.0";
  const float ppmWidth = rec.DispWdthHz / rec.MHz;
  return ppmWidth < 5 ? "0.000" : ppmWidth < 20 ? "0.00" : "0.0";
}

}  // namespace

void SpecDrawIntegrals(const SpecFrame& f) {
  const int count = std::min<int>(f.rec->IntegCount, kSpecIntegralItems);
  if (f.rec->HzPerPt == 0) return;  // no width in points
  for (int i = 1; i <= count; ++i) DrawIntegral(f, i);
}

void SpecDrawInsets(const SpecFrame& f) {
  const int count = std::min<int>(f.rec->InsetCount, kSpecInsetItems);
  if (count == 0) return;
  const std::string style = Trim(LabelStyle(f.rec->Strings[1])) + " R = " + Str(kInsetFactor);
  for (int i = 1; i <= count; ++i) DrawInset(f, i, style);
}

void SpecDrawMarkers(const SpecFrame& f) {
  const SpecRec& rec = *f.rec;
  if (!(rec.Flags & kSpecFlagMarkers)) return;
  const int count = std::min<int>(rec.MarkerCount, kSpecMarkerItems);
  for (int i = 1; i <= count; ++i) {
    const SpecMarkerItem& m = rec.Marker[std::size_t(i)];
    if (!f.Shows(m.FreqHz)) continue;
    const float x = f.XOfPoint(ClampedPoint(f, m.FreqHz));
    Label(f.dc, "M  O = 0 H = 1.6 B = 1.6 > ^Q^H^D", x, f.oy - 88.44f);
    Label(f.dc, "M  H = 2.7 > " + std::string(1, char(m.CharCode)), x, f.oy - 209.04f);
  }
}

void SpecDrawAnnotations(const SpecFrame& f) {
  const SpecRec& rec = *f.rec;
  const int count = std::min<int>(rec.AnnotCount, int(rec.AnnotPos.size()));
  if (count < 1) return;
  const bool ppm = (rec.AnnotCompanion & kSpecFlagPpm) && rec.MHz > 0;
  const float u = SpecPpmFactor(rec, ppm);
  const char* pattern = AnnotPattern(rec, ppm);
  const std::string height = Str(2.2f);

  const float v = -std::max(std::fabs(rec.AnnotPos[0] + rec.Ref),
                            std::fabs(rec.AnnotPos[std::size_t(count - 1)] + rec.Ref)) * u;
  std::string widest = Formatted(v, pattern);
  StepBoxRec box;
  LabelAttrStack(f.dc, " H = " + height, 2);
  int16_t changed = 0;
  LabelLayout(f.dc, 'L', widest, changed, box, kLayoutBreakLines);
  LabelAttrStack(f.dc, " H = " + height, 4);
  const float labelWidth = box.x2 - box.x1, left = box.x1;

  const float yb = f.oy + f.H - (kLeaderA + kLeaderB + kLeaderC + labelWidth);
  float p = f.ox + f.W;
  for (int k = 0; k < count; ++k) {
    const float pos = rec.AnnotPos[std::size_t(k)];
    if (!f.Shows(pos)) continue;
    const float x = f.XOfPoint(ClampedPoint(f, pos));
    const float xs = p - x < kLeastSpacing ? p - kLeastSpacing : x;
    DrawAltBnd(f.dc, x, yb, kLeaderAttrib, x, yb + kLeaderA, kDrawAltBndDraw);
    DrawAltBnd(f.dc, x, yb + kLeaderA, kLeaderAttrib, xs, yb + kLeaderA + kLeaderB,
               kDrawAltBndDraw);
    const float top = yb + kLeaderA + kLeaderB + kLeaderC;
    DrawAltBnd(f.dc, xs, yb + kLeaderA + kLeaderB, kLeaderAttrib, xs, top, kDrawAltBndDraw);
    p = xs;
    Label(f.dc, "L H = " + height + " D = 90 > " + Formatted((pos + rec.Ref) * u, pattern), xs,
          top - left);
  }
}
