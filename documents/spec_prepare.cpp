#include "documents/spec_prepare.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <stdexcept>

#include "documents/spec_draw_trace.h"
#include "documents/spec_prepare_parts.h"
#include "documents/spec_scale.h"
#include "drawlib/axes/draw_axis.h"
#include "drawlib/device/pen_cache.h"
#include "drawlib/device/world_lines.h"
#include "drawlib/device/world_window.h"
#include "drawlib/linetypes/draw_alt_bnd.h"
#include "drawlib/pardata.h"
#include "drawlib/text/label_draw.h"
#include "drawlib/text/label_layout.h"
#include "drawlib/text/text_fonts.h"
#include "drawlib/util/error_location.h"
#include "drawlib/util/file_error.h"
#include "platform/msgbox.h"

namespace {

constexpr float kRepairedFullScale = 3000.0f;
constexpr int16_t kFrameLineType = 18;
constexpr int16_t kAxisFlags = 4, kAxisFlagsNoLine = -124;
constexpr int16_t kAxisModeBits = 0x0B;

float mLabelX = 0, mLabelY = 0;    // the running label position
float mOriginX = 0, mOriginY = 0;  // the origin of the spectrum being drawn
std::array<float, 4> mExtents{};
bool mFaultShown = false;

void RecordPosition(SpecFrame& f, int slot) {
  if (!(f.mode & kSpecModeRecordPositions)) return;
  f.rec->Pos(kSpecPosFirst + 2 * slot) = mLabelX;
  f.rec->Pos(kSpecPosFirst + 2 * slot + 1) = mLabelY;
}

// A label at (dx, dy) from the origin.
void LabelAt(SpecFrame& f, float dx, float dy, const std::string& text, int slot) {
  SpecLabelOffset(f.dc, dx, dy, text, -1, kSpecOffsetFromOrigin, f.mode);
  RecordPosition(f, slot);
}

void DrawFrameAndCaptions(SpecFrame& f, float hi, float xScale) {
  SpecRec& rec = *f.rec;
  const int16_t flags = rec.Flags;
  if (flags & kSpecFlagObjectCaption)
    LabelAt(f, f.W / 2 + SpecPrefWorld(75), f.H + SpecPrefWorld(76) + 6 * kSpecMM,
            rec.Strings[0], 0);
  SpecLabelOffset(f.dc, -f.L, -f.B, "", -1, kSpecOffsetFromOrigin, f.mode);
  if (flags & kSpecFlagFrame) {
    SpecLabelOffset(f.dc, f.W + 2 * f.L, f.B + f.H + f.T, "", kFrameLineType, 0, f.mode);
  } else {
    SpecLabelOffset(f.dc, f.W + f.L, f.B + f.H + f.T, "", -1, 0, f.mode);
  }
  RecordPosition(f, 1);
  if (flags & kSpecFlagAxis) {
    AxisLayout a;
    a.x = f.ox;
    a.y = f.oy - f.B;
    a.style = LabelStyle(rec.Strings[1]);
    a.length = f.W;
    a.bigTick = f.bigTick;
    a.smallTick = SpecPrefWorld(93);
    a.startValue = hi;
    a.firstTickValue = SpecPref(94) - SpecPref(98);
    a.offsetMM = 0;
    a.tickSeparation = SpecPref(98);
    a.scale = xScale;
    a.subdivisions = int16_t(std::clamp<int32_t>(RoundToLong(SpecPref(99)), -32768, 32767));
    a.formatIndex = int16_t(std::clamp<int32_t>(RoundToLong(SpecPref(83)), -32768, 32767));
    a.vertical = 0;
    a.flags = int16_t(((flags & kSpecFlagFrame) ? kAxisFlagsNoLine : kAxisFlags) |
                      (f.mode & kAxisModeBits));
    DrawAxis(f.dc, f.box, a);
  }
  if (flags & kSpecFlagAxisCaption)
    LabelAt(f, f.W / 2 + SpecPrefWorld(77), SpecPrefWorld(78) - f.B - 251.0f - f.g,
            rec.Strings[1], 2);
  if (flags & kSpecFlagFileLabel)
    LabelAt(f, SpecPrefWorld(79) + 3 * kSpecMM, f.H + SpecPrefWorld(80) - 5 * kSpecMM,
            rec.Strings[2], 3);
  if (flags & kSpecFlagTitle)
    LabelAt(f, f.W + SpecPrefWorld(81) - 6 * kSpecMM, f.H + SpecPrefWorld(82) - 8 * kSpecMM,
            rec.Strings[3], 4);
}

void DrawSpectrum(Device* dc, SpecRec& rec, const std::vector<int16_t>& points, float x, float y,
                  int16_t mode) {
  SpecFrame f;
  f.dc = dc, f.rec = &rec, f.points = &points, f.mode = mode, f.ox = x, f.oy = y;
  f.W = SpecPrefWorld(90);
  f.H = SpecPrefWorld(91);
  const float u = SpecPpmFactor(rec, rec.Flags & kSpecFlagPpm);
  float lo = (rec.DispOffHz + rec.Ref) * u;
  const float hi = (rec.DispOffHz + rec.DispWdthHz + rec.Ref) * u;
  if (std::fabs(f.H) < 0.01f) f.H += 0.1f;
  if (std::fabs(hi - lo) < 0.01f) lo += 0.1f;
  const float xScale = f.W / (lo - hi);
  f.L = SpecPrefWorld(96);
  f.B = SpecPrefWorld(97);
  f.T = SpecPrefWorld(100);
  f.bigTick = std::min(SpecPrefWorld(92), f.B + f.H + f.T);
  f.g = f.bigTick >= 0 ? 160.8f : 160.8f - f.bigTick;
  mOriginX = mLabelX = x;
  mOriginY = mLabelY = y;
  mExtents = {x - f.L, y - f.B, x - f.L, y - f.B};
  f.box = mExtents.data();

  DrawFrameAndCaptions(f, hi, xScale);

  if (rec.yMult == 0) {
    MsgBox("Fixing error in ZEF1NMR.SpecPrepare, scaling = 0");
    rec.yMult = kRepairedFullScale;
  }
  const int32_t top = std::max<int32_t>(int32_t(points.size()) - 2, 0);
  f.first = int16_t(std::clamp<int32_t>(SpecXToPoint(rec, rec.DispOffHz), 0, top));
  f.last = int16_t(std::clamp<int32_t>(SpecXToPoint(rec, rec.DispOffHz + rec.DispWdthHz), 0, top));
  f.xPerPoint = u * rec.HzPerPt * xScale;
  SpecTraceLayout trace;
  trace.attrib = rec.Attrib;
  trace.xPerPoint = f.xPerPoint;
  trace.x0 = x, trace.y0 = y;
  trace.upper = f.H, trace.lower = -f.B;
  trace.baseline = rec.Baseline;
  trace.yScale = f.H * rec.VMult / rec.yMult;
  SpecDrawTrace(dc, points, f.first, f.last, trace);

  SpecDrawIntegrals(f);
  SpecDrawInsets(f);
  SpecDrawMarkers(f);
  SpecDrawAnnotations(f);
}

}  // namespace

float SpecPref(int row) { return Pardata[std::size_t(row)].Default; }

float SpecPpmFactor(const SpecRec& rec, bool ppm) {
  return ppm && rec.MHz > 0 && std::isfinite(rec.MHz) ? 1.0f / rec.MHz : 1.0f;
}

float SpecFrame::XOfFrequency(float freq) const {
  return XOfPoint(SpecXToPoint(*rec, freq));
}

bool SpecFrame::Shows(float freq) const {
  return freq > rec->DispOffHz && freq < rec->DispOffHz + rec->DispWdthHz;
}

void SpecLabelOffset(Device* dc, float dx, float dy, const std::string& text, int16_t attrib,
                     int16_t mode, int16_t drawMode) {
  const float fromX = (mode & kSpecOffsetFromOrigin) ? mOriginX : mLabelX;
  const float fromY = (mode & kSpecOffsetFromOrigin) ? mOriginY : mLabelY;
  const float x = fromX + dx, y = fromY + dy;
  if (attrib != -1) DrawAltBnd(dc, fromX, fromY, uint16_t(attrib), x, y, kDrawAltBndDraw);
  if (text.size() > 4) {
    StepBoxRec box;
    LabelDraw(dc, 0, uint16_t(attrib), text, box, StepData{}, x, y, 3);
    if (drawMode & kSpecModeTrackExtents) {
      if (text.find("D = 90") != std::string::npos) {
        std::swap(box.x1, box.y1);
        std::swap(box.x2, box.y2);
      }
      BoxExtend(mExtents.data(), box, x, y);
    }
  }
  mLabelX = x;
  mLabelY = y;
}

const std::array<float, 4>& SpecDrawnExtents() { return mExtents; }

void SpecPrepare(Device* dc, SpecRec& rec, const std::vector<int16_t>& points, float x, float y,
                 int16_t mode) {
  ErrorLocation = 6009;
  try {
    DrawSpectrum(dc, rec, points, x, y, mode);
    mFaultShown = false;
  } catch (const std::exception& e) {
    // A fault that persists is reported once, not on every redraw.
    if (!mFaultShown) {
      mFaultShown = true;
      std::string message;
      int16_t show = 1;
      FileErrorMsg(dynamic_cast<const std::out_of_range*>(&e) ? 9 : 6, "SpecPrepare. ", message,
                   "", show);
    }
  }
  FontSetAPI(dc, 4);
  PenSetAPI(dc, 0, -1, 1);
  PenInvalidate(1);
  ErrorLocation = 6010;
}
