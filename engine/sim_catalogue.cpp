#include "engine/sim_catalogue.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <string>

#include "engine/mainwin_services.h"
#include "engine/sim_catalogue_data.h"
#include "platform/runtime_numbers.h"

namespace {

constexpr float kPresetValues[5] = {12, 15, 8, 2, 25};
constexpr float kPresetFactor = 0.6f;
// Parameter index k is written as the character of code 48 + k.
constexpr char kOrderAlphabetFirst = '0';
constexpr int kOrderAlphabetLength = 75;

std::string PadName(const std::string& name) {
  std::string padded = name.substr(0, kSimParNameLength);
  padded.resize(kSimParNameLength, ' ');
  return padded;
}

void SetPar(SimTypeRec& rec, int index, const std::string& name, float value, int32_t flags) {
  SimParRec& p = rec.Par[static_cast<size_t>(index)];
  p.Name = PadName(name);
  p.Value = value;
  p.Flags = flags;
}

void SetPar(SimTypeRec& rec, int index, const std::string& name, float value, int32_t flags,
            float min, float max) {
  SetPar(rec, index, name, value, flags);
  rec.Par[static_cast<size_t>(index)].Min = min;
  rec.Par[static_cast<size_t>(index)].Max = max;
}

// Fifteen singlets: position, width and area of each.
void FifteenSinglets(SimTypeRec& rec) {
  for (int n = 1; n <= 15; ++n) {
    const int b = 3 * (n - 1);
    const std::string s = std::to_string(n);
    SetPar(rec, b, "V" + s, static_cast<float>(100 + 10 * (n - 1)), n, -80000, 80000);
    SetPar(rec, b + 1, "Wdth" + s, 0.5f, kParWidth);
    SetPar(rec, b + 2, "Area" + s, 100, kParArea, 1e-8f, 1008);
  }
  SetPar(rec, 45, "Right-Hz", 0, kParOffset);
  SetPar(rec, 46, "WdthHz", 300, kParSpecWidth);
}

// Ten first-order multiplets: position, width, area, coupling and multiplicity of each.
void TenMultiplets(SimTypeRec& rec) {
  for (int n = 1; n <= 10; ++n) {
    const int b = 5 * (n - 1);
    const std::string s = std::to_string(n);
    SetPar(rec, b, "V-" + s, static_cast<float>((2 * (n - 1) + 10) * (n - 1) + 18), n);
    SetPar(rec, b + 1, "Wdth-" + s, 0.5f, kParWidth);
    SetPar(rec, b + 2, "Area-" + s, 100, kParArea, 1e-7f, 1008);
    SetPar(rec, b + 3, "J-" + s, 5, kParCoupling);
    SetPar(rec, b + 4, "Mult-" + s, static_cast<float>(n - 1), kParMultiplet | kParInteger, 0, 10);
  }
  SetPar(rec, 50, "Right-Hz", 0, kParOffset);
  SetPar(rec, 51, "WdthHz", 300, kParSpecWidth);
  rec.Caption = "10 Mult";
}

// Twelve doublets of doublets of doublets: position, width, area and three couplings of each.
void TwelveDddMultiplets(SimTypeRec& rec) {
  for (int n = 1; n <= 12; ++n) {
    const int b = 6 * (n - 1);
    const std::string s = std::to_string(n);
    SetPar(rec, b, "V-" + s, static_cast<float>((2 * (n - 1) + 15) * (n - 1) + 18), n);
    SetPar(rec, b + 1, "Wdth-" + s, 0.5f, kParWidth);
    SetPar(rec, b + 2, "Area-" + s, n <= 8 ? 100.0f : 0.0001f, kParArea, 1e-7f, 1008);
    SetPar(rec, b + 3, "Jx-" + s, 10, kParCoupling);
    SetPar(rec, b + 4, "Jy-" + s, 6, kParCoupling);
    SetPar(rec, b + 5, "Jz-" + s, 6, kParCoupling);
  }
  SetPar(rec, 72, "Right-Hz", 0, kParOffset);
  SetPar(rec, 73, "WdthHz", 300, kParSpecWidth);
  rec.Caption = "12 ddd";
}

// Writes the catalogue's rows of one type into rec.
void WriteEntry(SimTypeRec& rec, const CatalogueEntry& e, std::string& spinIndexes,
                std::string& spinLabels, float& factor) {
  for (const CatalogueParam& cp : e.params) {
    SimParRec& p = rec.Par[static_cast<size_t>(cp.index)];
    p.Name = PadName(cp.name);
    p.Value = cp.value;
    p.Flags = cp.flags;
    if (cp.ownLimits) {
      p.Min = cp.min;
      p.Max = cp.max;
    }
    if (cp.tip != nullptr) p.Tip = cp.tip;
  }
  switch (e.type) {
    case 13: FifteenSinglets(rec); break;
    case 14: TenMultiplets(rec); break;
    case 39: TwelveDddMultiplets(rec); break;
    default: break;
  }
  rec.LastPar = e.last;
  if (e.caption != nullptr) rec.Caption = e.caption;
  if (e.order != nullptr) rec.Order = e.order;
  rec.Mode = e.mode;
  rec.Spins[0].ParIndex = e.centre;
  spinIndexes = e.spinIndexes;
  spinLabels = e.spinLabels;
  factor = e.factor;
  if (e.type == 29) NSiteParNames(rec, spinIndexes, spinLabels, factor);
}

// Kind of quantity of a parameter: its limits and default tooltip (first matching kind only).
void ApplyKind(SimParRec& p, int16_t type) {
  const SimParLimitsRec& l = SimParLimits;
  const char* tip = nullptr;
  if ((p.Flags & kParShiftMask) != 0) {
    p.Min = l.ChemicalShiftMin;
    p.Max = l.ChemicalShiftMax;
    tip = "Chemical shift (Hz) of nucleus";
  } else if ((p.Flags & kParOffset) != 0) {
    p.Min = type == 0 ? 0.0f : l.SpectrumOffsetMin;
    p.Max = l.SpectrumOffsetMax;
    tip = "Offset (Hz) of the right edge of displayed spectrum from right edge of full spectrum";
  } else if ((p.Flags & kParSpecWidth) != 0) {
    p.Min = l.SpectrumWidthMin;
    p.Max = l.SpectrumWidthMax;
    tip = "Width (Hz) of the displayed spectrum";
  } else if ((p.Flags & kParWidth) != 0) {
    p.Value = 0.5f;
    p.Min = l.LineWidthMin;
    p.Max = l.LineWidthMax;
    tip = "Width at half-height (Hz) of the signal (width in the absence of exchange)";
  } else if ((p.Flags & kParCoupling) != 0) {
    p.Min = l.JCouplingMin;
    p.Max = l.JCouplingMax;
    tip = "Coupling constant (Hz) between indicated nuclei";
  } else if ((p.Flags & kParCentre) != 0) {
    p.Min = l.CenterFrequencyMin;
    p.Max = l.CenterFrequencyMax;
    std::string upper = p.Name;
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    tip = upper.find("VAB") != std::string::npos
              ? "Chemical shift (Hz) between A and B"
              : "Center of the AB system (halfway between vA and vB)";
  }
  if (tip != nullptr && p.Tip.empty()) p.Tip = tip;
}

// Digit value of the character at 1-based position pos, or -1 outside the text.
int DigitAt(const std::string& text, int pos) {
  if (pos < 1 || pos > static_cast<int>(text.size())) return -1;
  return static_cast<unsigned char>(text[static_cast<size_t>(pos - 1)]) - '0';
}

}  // namespace

void NSiteParNames(SimTypeRec& rec, std::string& spinIndexes, std::string& spinLabels,
                   float& factor) {
  static constexpr float kShifts[7] = {100, 140, 180, 200, 220, 225, 235};
  static constexpr float kRatios[21] = {1, 1.2f, 0.5f, 1, 1, 1, 0.5f, 1, 3, 3, 3,
                                        0.5f, 2, 3, 3, 1, 1, 1, 1, 1, 1};
  static constexpr float kPercents[7] = {15, 30, 15, 20, 10, 10, 10};
  const std::string sites = "abcdefg";
  for (int a = 0; a < 7; ++a) {
    SetPar(rec, a, std::string("  V") + sites[static_cast<size_t>(a)], kShifts[a], a + 1);
  }
  SetPar(rec, 7, "k", 3, 0, 0.01f, 8000000);
  rec.Par[7].Tip = "Rate constant for dynamic process in sec-1";
  int index = 8;
  for (int a = 0; a < 7; ++a) {
    for (int b = a + 1; b < 7; ++b) {
      const std::string name = std::string("k") + sites[static_cast<size_t>(a)] +
                               sites[static_cast<size_t>(b)] + "/k";
      SetPar(rec, index, name, kRatios[index - 8], 0, 1e-7f, 1000000);
      ++index;
    }
  }
  for (int a = 0; a < 7; ++a) {
    SetPar(rec, 29 + a, std::string(" % ") + sites[static_cast<size_t>(a)], kPercents[a], 0,
           0.1f, 99.9f);
    SetPar(rec, 36 + a, std::string("  W") + sites[static_cast<size_t>(a)], 0.5f, kParWidth);
  }
  SetPar(rec, 43, "Right-Hz", 0, kParOffset);
  SetPar(rec, 44, "WdthHz", 300, kParSpecWidth);
  spinIndexes = "0123456";
  spinLabels = "ABCDEFG";
  factor = 6;
}

void SimTypeSetup(SimTypeRec& rec, int16_t type) {
  // Cleared record with the presets.
  rec = SimTypeRec{};
  for (int i = 0; i < 5; ++i) rec.Par[static_cast<size_t>(i)].Value = kPresetValues[i];
  float factor = kPresetFactor;
  rec.Mode = 1;
  rec.Spins[0].ParIndex = -1;
  for (int i = 1; i <= 4; ++i) rec.Spins[static_cast<size_t>(i)].Color = gTraceColors[static_cast<size_t>(i - 1)];
  if (type < 0 || type >= kSimTypeCount) return;

  // The catalogue entry.
  std::string spinIndexes;
  std::string spinLabels;
  WriteEntry(rec, kCatalogue[static_cast<size_t>(type)], spinIndexes, spinLabels, factor);
  // Type 0's grid width follows its "WdthHz" only while it is the current type; otherwise the
  // main window applies it when type 0 is selected.
  if (type == 0 && gSimType == 0) gSpectHz = rec.Par[1].Value;

  // Spins.
  rec.SpinCount = static_cast<int16_t>(std::min<size_t>(spinIndexes.size(), kSpinSlots - 1));
  for (int i = 1; i <= rec.SpinCount; ++i) {
    SpinRec& s = rec.Spins[static_cast<size_t>(i)];
    s.ParIndex = static_cast<int16_t>(DigitAt(spinIndexes, i));
    if (s.ParIndex >= 0 && s.ParIndex < kSimParCount) s.Shift = rec.Par[static_cast<size_t>(s.ParIndex)].Value;
    s.Label = static_cast<uint8_t>(spinLabels[static_cast<size_t>(i - 1)]);
  }

  // Vertical multiplier; identity order when none is given.
  rec.VertMult = gVertScale * factor;
  if (rec.Order.empty()) {
    rec.Order.clear();
    for (int i = 0; i <= rec.LastPar && i < kOrderAlphabetLength; ++i) {
      rec.Order.push_back(static_cast<char>(kOrderAlphabetFirst + i));
    }
  }

  // Limits, tooltips, increments and panel rows.
  const int lim = std::min<int>(MainWindow().ParScrnMax(), rec.LastPar);
  int shown = 0;
  SimParLimitsRead();
  for (int i = 0; i <= rec.LastPar && i < kSimParCount; ++i) {
    SimParRec& p = rec.Par[static_cast<size_t>(i)];
    ApplyKind(p, type);
    if (p.Incr.empty()) p.Incr = "1";
    const int k = DigitAt(rec.Order, i + 1);
    if (k < 0 || k >= kSimParCount) continue;
    SimParRec& row = rec.Par[static_cast<size_t>(k)];
    if (shown > lim) {
      row.Flags &= ~kParShown;
    } else if ((row.Flags & kParHidden) == 0) {
      row.Flags |= kParShown;
      ++shown;
    }
  }
  // Every parameter of the panel order goes into the printed file label.
  rec.PrintPars = rec.Order;
}

void SimParClamp(float& value, int16_t index) {
  if (index < 0 || index >= kSimParCount) return;
  SimParRec& p = gSimPar[static_cast<size_t>(index)];
  if (!std::isfinite(value)) {
    value = p.Value;
    return;
  }
  if ((p.Flags & kParInteger) != 0) {
    // Rounded as a 16-bit integer; a value beyond that range is held at its end first.
    const float held = std::clamp(value, -32768.0f, 32767.0f);
    value = static_cast<float>(RoundHalfEven(held));
  }
  if (value > p.Max) value = p.Max;
  if (value < p.Min) value = p.Min;
  p.Value = value;
}
