#include "drawlib/text/label_attrs.h"

#include <algorithm>
#include <cmath>

#include "drawlib/color_scheme.h"
#include "drawlib/device/pen_cache.h"
#include "drawlib/device/world_window.h"
#include "drawlib/ini/libr_ini.h"
#include "drawlib/pardata.h"
#include "drawlib/ps_interface.h"
#include "drawlib/text/glyph_tables.h"
#include "drawlib/text/text_fonts.h"
#include "drawlib/util/error_location.h"
#include "platform/gdi/device.h"
#include "platform/runtime_numbers.h"
#include "platform/runtime_text.h"

std::array<float, 12> LabelAttrs{};
uint16_t LabelAttrChanged = 0;
uint16_t LabelAttrDeferred = 0;
float LabelSavedColour = 0;
int16_t TextColourIndex = 0;
std::array<std::string, kLabelSlots> StyleKeys;
std::array<std::string, kNamedStyles> StyleNames;
std::array<std::string, kNamedStyles> StyleStrings;
std::array<std::string, kFontNumbers> FontNames;

namespace {

constexpr const char* kStyleKeys[kLabelSlots] = {"Y =", "P =", "H =", "B =", "S =", "LL=",
                                                 "D =", "T =", "R =", "O =", "LS=", "C ="};

struct NamedStyle {
  int index;
  const char* name;
  const char* style;
};
constexpr NamedStyle kDefaultStyles[] = {
    {1, "Reagents ", " H = 3"},          {2, "Compd Numb", " H = 4 P = 2 "},
    {3, "Small", " H = 2.7 "},           {4, "Sub-Title", " H = 4 P = 2 "},
    {5, "Title", " H = 5 P = 2 C = 9 "}, {6, "ExtraLarge", " H = 6 P = 2 "},
    {7, "Italics", " S = 12 "},          {8, "Alarm", " C = 12 P = 2 R = 1.15 "},
};

// Set once the slots have all been applied since start-up: a label drawn before that applies
// everything first, so that it is never measured with no font at all.
bool fullyApplied = false;

int Rounded(float v, int lo, int hi) {
  return std::clamp<int>(RoundToLong(double(v)), lo, hi);
}

bool RoundsInto(float v, int lo, int hi) {
  const int32_t r = RoundToLong(double(v));
  return r >= lo && r <= hi;
}

// A value from a style string, or the row's default when no label can mean it.
float CheckedSlot(int slot, float v) {
  bool ok = true;
  switch (slot) {
    case kSlotStyle: ok = RoundsInto(v, 0, kNamedStyles - 1); break;
    case kSlotFont: ok = RoundsInto(v, 0, kFontNumbers - 1); break;
    case kSlotColour: ok = RoundsInto(v, 0, kPaletteSize - 1); break;
    case kSlotHeight:
    case kSlotRelSize:
    case kSlotBreadth:
    case kSlotLineSpacing: ok = v > 0.0f; break;
    case kSlotPen: ok = v >= 1.0f; break;
    default: break;
  }
  return ok ? v : Pardata[size_t(slot)].Default;
}

uint32_t Palette(int index) {
  return ColorScheme.ColorPalette[size_t(std::clamp(index, 0, kPaletteSize - 1))];
}

bool OnDeviceContext(Device* dc) { return dc != nullptr && !TextToPostScript(); }

}  // namespace

std::string FontFaceOf(int16_t number) {
  std::string face = TextNameGet(9, number);
  if (face.size() < 5) {
    const int fallback = Rounded(Pardata[9].Default, 0, kFontNumbers - 1);
    face = fallback >= 3 ? FontNames[size_t(fallback)] : std::string();
  }
  if (face.size() < 5) face = "Arial";
  return face;
}

uint16_t StyleStringParse(int16_t first, int16_t last, const std::string& style,
                          std::array<float, 12>& slots) {
  ErrorLocation = 3047;
  std::string s = style;
  uint16_t mask = 0;
  for (int i = std::max<int>(first, 0); i <= std::min<int>(last, kLabelSlots - 1); ++i) {
    const std::string& key = StyleKeys[size_t(i)];
    if (key.empty()) continue;
    const size_t at = s.find(key);
    if (at == std::string::npos) continue;
    mask |= SlotBit(i);
    const float v = at + 4 < s.size() ? ValSng(std::string_view(s).substr(at + 4)) : 0.0f;
    slots[size_t(i)] = CheckedSlot(i, v);
    if (i == kSlotStyle && slots[0] > 0.1f)
      s += StyleStrings[size_t(Rounded(slots[0], 0, kNamedStyles - 1))];
    if (s.size() < 11) break;
  }
  ErrorLocation = 3048;
  return mask;
}

void LabelAttrApply(Device* dc, uint16_t mask) {
  ErrorLocation = 3005;
  TextFontRec& t = TextFont;
  const bool ps = TextToPostScript();
  const bool all = mask == kApplyAll;
  if (all) {
    fullyApplied = true;
    LineWidthSet(0);
    if (!ps && dc) dc->SetTextAlign((OutputFlags & 0x402) == 2 ? 24 : 25);
    t.subFactor = Pardata[21].Default;
    if (!ps) FontSetAPI(dc, 4);
    else PSCharTableInit(t.subFactor, GlyphWidths, GlyphStrings);
  }
  if (mask & SlotBit(kSlotFont)) {
    const int n = Rounded(LabelAttrs[kSlotFont], 0, kFontNumbers - 1);
    t.number = int16_t(n);
    if (n < 3) {
      t.fontClass = kFontClassBuiltIn;
      t.named = 0;
      t.psRow = 0;
    } else {
      t.face = FontFaceOf(int16_t(n));
      LogFontSetFace(t.face);
      t.fontClass = ps ? kFontClassPostScript : kFontClassDevice;
      t.psRow = int16_t(n == 3 ? 3 : 4);
      t.named = 1;
    }
    t.dirRad = (t.fontClass & 64) ? LabelAttrs[kSlotDirection] * 0.017453294f : 0.0f;
    FontMetricsUpdate(dc, all);
  } else if ((t.fontClass & 4) &&
             (mask & (SlotBit(kSlotHeight) | SlotBit(kSlotBreadth) | SlotBit(kSlotRelSize)))) {
    FontMetricsUpdate(dc, all);
  }
  if ((mask & SlotBit(kSlotSlant)) && (t.fontClass & 16)) {
    const double tangent = std::tan(double(LabelAttrs[kSlotSlant]) * 0.017453294);
    t.slantTan = std::isfinite(tangent) ? float(std::clamp(tangent, -1.0e3, 1.0e3)) : 0.0f;
    ItalicSet(LabelAttrs[kSlotSlant] > 3.0f, 1);
  }
  if (mask & SlotBit(kSlotDirection)) {
    double d = std::fmod(RoundHalfEven(double(LabelAttrs[kSlotDirection]) + 360.0), 360.0);
    if (d < 0) d += 360.0;
    LabelAttrs[kSlotDirection] = float(d);
    t.escapement = int16_t(RoundToLong(d * 10.0));
    LabelFont.escapement = t.escapement;
    t.dirRad = float(d) * 0.017453294f;
    if (ps) PSDirection(float(d));
  }
  if (mask & SlotBit(kSlotPen)) {
    PenSetStyleColor(dc, uint16_t(Rounded(LabelAttrs[kSlotPen], 1, 15)), TextColourIndex, 0);
    BoldSet(std::fabs(LabelAttrs[kSlotPen] - 2.0f) <= 0.1f, 1);
  }
  if (!SchemePaletteFlag || (mask & SlotBit(kSlotColour))) {
    if (!ps) {
      if (!SchemePaletteFlag) {
        LabelAttrs[kSlotColour] = float(ColorScheme.BackCol);
        LabelAttrChanged |= SlotBit(kSlotColour);
      }
      if (dc) dc->SetTextColor(Palette(Rounded(LabelAttrs[kSlotColour], 0, kPaletteSize - 1)));
    } else {
      PSColor(Palette(Rounded(LabelAttrs[kSlotColour], 0, kPaletteSize - 1)));
      PenInvalidate(1);
    }
    TextColourIndex = int16_t(Rounded(LabelAttrs[kSlotColour], 0, kPaletteSize - 1));
  }
  if (all && OnDeviceContext(dc)) {
    FontSetAPI(dc, 0);
    PenSetAPI(dc, 0, 0, 0);
  }
  ErrorLocation = 3006;
}

void LabelAttrStack(Device* dc, const std::string& style, int16_t mode) {
  ErrorLocation = 3003;
  if (mode == 2) {
    if (!fullyApplied) LabelAttrApply(dc, kApplyAll);
    LabelAttrChanged = 0;
    if (style.size() > 2) LabelAttrChanged = StyleStringParse(0, 11, style, LabelAttrs);
    if (!SchemePaletteFlag || LabelAttrDeferred || LabelAttrChanged)
      LabelAttrApply(dc, uint16_t(LabelAttrDeferred | LabelAttrChanged));
    LabelAttrDeferred = 0;
  } else if (mode == 4 && LabelAttrChanged) {
    for (int i = 0; i < kLabelSlots; ++i)
      if (LabelAttrChanged & SlotBit(i)) LabelAttrs[size_t(i)] = Pardata[size_t(i)].Default;
    if (TextToPostScript() && (LabelAttrChanged & SlotBit(kSlotColour))) {
      LabelAttrApply(dc, SlotBit(kSlotColour));
      LabelAttrChanged &= uint16_t(~SlotBit(kSlotColour));
    }
    LabelAttrDeferred = LabelAttrChanged;
  }
  ErrorLocation = 3004;
}

void LabelAttrReset(Device* dc) {
  ErrorLocation = 3037;
  for (int i = 0; i < kLabelSlots; ++i) LabelAttrs[size_t(i)] = Pardata[size_t(i)].Default;
  LabelAttrChanged = 0;
  LabelAttrDeferred = 0;
  LabelAttrApply(dc, kApplyAll);
  ErrorLocation = 3038;
}

float LabelAttrGet(uint16_t index) {
  ErrorLocation = 3043;
  float v = 0.0f;
  if (index == 0xFFFF) v = TextFont.h;
  else if (index < kLabelSlots) v = LabelAttrs[index];
  ErrorLocation = 3044;
  return v;
}

std::string TextNameGet(int16_t kind, int16_t index) {
  ErrorLocation = 3019;
  std::string name;
  if (kind == 1 && index >= 0 && index < kLabelSlots) name = StyleKeys[size_t(index)];
  else if (index >= 0 && index < kNamedStyles) {
    if (kind == 9) name = FontNames[size_t(index)].empty() ? "Arial" : FontNames[size_t(index)];
    else if (kind == 20) name = StyleNames[size_t(index)];
    else if (kind == 21) name = StyleStrings[size_t(index)];
  }
  ErrorLocation = 3020;
  return name;
}

void TextNameSet(const std::string& name, int16_t kind, int16_t index) {
  ErrorLocation = 3041;
  if (kind == 1 && index >= 0 && index < kLabelSlots) StyleKeys[size_t(index)] = name;
  else if (index >= 0 && index < kNamedStyles) {
    if (kind == 9) FontNames[size_t(index)] = name;
    else if (kind == 20) StyleNames[size_t(index)] = name;
    else if (kind == 21) StyleStrings[size_t(index)] = name;
  }
  ErrorLocation = 3042;
}

void StylesInit(int16_t mode) {
  ErrorLocation = 3051;
  if (mode == 0) {
    for (const NamedStyle& s : kDefaultStyles) {
      StyleNames[size_t(s.index)] = s.name;
      StyleStrings[size_t(s.index)] = s.style;
    }
    IniEntryTable entries;
    const int n = IniReadSection("Styles", entries);
    for (int i = 0; i < n && size_t(i) < entries[0].size() && size_t(i) < entries[1].size(); ++i) {
      const int32_t index = RoundToLong(Val(entries[0][size_t(i)]));
      if (index < 0 || index >= kNamedStyles) continue;  // the table has fifteen styles
      std::string value = entries[1][size_t(i)];
      const size_t comma = value.find(',');
      const std::string name = comma == std::string::npos ? value : value.substr(0, comma);
      const std::string style = comma == std::string::npos ? "" : value.substr(comma + 1);
      StyleNames[size_t(index)] = Trim(name);
      StyleStrings[size_t(index)] = Trim(style);
    }
    for (int i = 1; i < kNamedStyles; ++i)
      if (StyleNames[size_t(i)].empty()) StyleNames[size_t(i)] = "Undefined";
  } else if (mode == 9) {
    FontNames[3] = "Arial";
    FontNames[4] = "Times New Roman";
    IniEntryTable entries;
    const int n = IniReadSection("Font Definitions", entries);
    for (int i = 0; i < n && size_t(i) < entries[0].size() && size_t(i) < entries[1].size(); ++i) {
      const int32_t number = RoundToLong(Val(entries[0][size_t(i)]));
      if (number > 2 && number < kFontNumbers) FontNames[size_t(number)] = entries[1][size_t(i)];
    }
  } else {
    for (int i = 0; i < kLabelSlots; ++i) {
      StyleKeys[size_t(i)] = kStyleKeys[i];
      LabelAttrs[size_t(i)] = Pardata[size_t(i)].Default;
    }
    WidthTableFill(32, 360, 0, 2, kGlyphNotLoaded);
    for (const char c : std::string("IiJj[]\\^~|{HQN"))
      GlyphEntryLoad(int16_t(static_cast<unsigned char>(c) + kGlyphCaretOffset), 0);
    GlyphEntryLoad(95, 0);
    GlyphEntryLoad(92, 0);
    FontObjects.shadowValid = false;
    FontObjects.measureShadowValid = false;
    fullyApplied = false;
  }
  ErrorLocation = 3052;
}

void TextLayerReset() {
  LabelAttrs = {};
  LabelAttrChanged = LabelAttrDeferred = 0;
  LabelSavedColour = 0;
  TextColourIndex = 0;
  StyleKeys = {};
  StyleNames = {};
  StyleStrings = {};
  FontNames = {};
  fullyApplied = false;
  TextFontReset();
  GlyphTablesReset();
  SetGlyphEntrySource(nullptr);
}
