// The spectrum record: the settings of a spectrum (sweep width, spectrometer frequency,
// reference, vertical multiplier, the shown window), the header of a loaded experimental
// spectrum, and the items a spectrum object carries. The simulator's own record is gSpec.
//
// The first 120 bytes (SpecHead) are stored byte for byte in spectrum objects, so their
// offsets are part of the stored format. Everything after the head lives in memory only.
#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

static_assert(std::endian::native == std::endian::little,
              "the stored head is copied byte for byte as little-endian");

// Flag word bits (offset 58).
inline constexpr int16_t kSpecFlagAxis = 0x01;
inline constexpr int16_t kSpecFlagAxisCaption = 0x02;
inline constexpr int16_t kSpecFlagObjectCaption = 0x04;
inline constexpr int16_t kSpecFlagFileLabel = 0x08;
inline constexpr int16_t kSpecFlagTitle = 0x10;
inline constexpr int16_t kSpecFlagFrame = 0x20;
inline constexpr int16_t kSpecFlagPpm = 0x40;
inline constexpr int16_t kSpecFlagCurrentLayout = 0x200;  // offsets 0, 8, 16 valid
inline constexpr int16_t kSpecFlagMarkers = 0x400;

struct SpecHead {
  float WdthHz = 0;        //  0 displayed width in Hz (the loaders store the sweep width here)
  float ImpWdthHz = 0;     //  4 sweep width at import
  int32_t NumPts = 0;      //  8 points in the current layout
  int32_t ImpNumPts = 0;   // 12 points at import
  float StartHz = 0;       // 16 frequency of point 0 in the current layout
  float HzPerPt = 0;       // 20
  float MHz = 0;           // 24 spectrometer frequency
  float Ref = 0;           // 28 reference in Hz, added to frequencies for the axis
  float LineBroadHz = 0;   // 32 line broadening as the file gives it
  uint8_t Carried36[4]{};  // 36
  float DispOffHz = 0;     // 40 left edge of the shown range, Hz
  float DispWdthHz = 0;    // 44 width of the shown range, Hz
  float HzPerCm = 0;       // 48 Hz per centimetre of the plotted width
  float VMult = 0;         // 52 vertical multiplier (1.0 after reset)
  int16_t Attrib = 0;      // 56 attribute word of the trace
  int16_t Flags = 0;       // 58 flag word (kSpecFlag...)
  float Baseline = 0;      // 60 subtracted from every point value when drawn
  float yMult = 0;         // 64 vertical full scale (12000.0 after reset)
  int16_t OldNumPts = 0;   // 68 points in the old layout
  int16_t IntegMult = 0;   // 70 integral multiplier, at least 1 after packing or unpacking
  int16_t PlotMark = 0;    // 72 set to 1 by the plot document
  int16_t Kind = 0;        // 74 0 experimental, 1 calculated, 2 difference
  float IntegScale = 0;    // 76 integral curve scale
  float IntegPerUnit = 0;  // 80 integral value per unit of item height
  uint8_t IntegCount = 0;  // 84 integral items (0..30)
  uint8_t IntegFlags = 0;  // 85 bit 0: no value labels on the integrals
  int16_t IntegAttrib = 0; // 86 attribute word of the integral curves
  uint8_t Carried88[2]{};  // 88
  uint8_t InsetCount = 0;  // 90 inset items (0..30)
  uint8_t Carried91 = 0;   // 91
  uint8_t MarkerCount = 0; // 92 marker items (0..15)
  uint8_t Carried93[27]{}; // 93
};
inline constexpr std::size_t kSpecHeadBytes = 120;
static_assert(sizeof(SpecHead) == kSpecHeadBytes);
static_assert(offsetof(SpecHead, DispOffHz) == 40 && offsetof(SpecHead, Attrib) == 56 &&
              offsetof(SpecHead, OldNumPts) == 68 && offsetof(SpecHead, IntegScale) == 76 &&
              offsetof(SpecHead, IntegCount) == 84 && offsetof(SpecHead, InsetCount) == 90 &&
              offsetof(SpecHead, MarkerCount) == 92 && offsetof(SpecHead, Carried93) == 93);

// An integral item (52 bytes; the object stores the first 24).
struct SpecIntegralItem {
  float Base = 0;     //  0 baseline in point values
  float VOff = 0;     //  4 vertical offset, world units
  float Height = 0;   //  8
  float StartHz = 0;  // 12
  float WidthHz = 0;  // 16
  uint8_t Carried20[32]{};
};
static_assert(sizeof(SpecIntegralItem) == 52);

// Inset axis bits (item byte 30).
inline constexpr uint8_t kInsetAxis = 0x01, kInsetUnitCaption = 0x02, kInsetNoAxisLine = 0x20,
                         kInsetPpm = 0x40;

// An inset item (560 bytes; the object stores the first 48): a view of part of the spectrum.
struct SpecInsetItem {
  float X = 0, Y = 0;    //  0, 4 position relative to the spectrum origin, world units
  float Width = 0;       //  8
  float YScale = 0;      // 12 y scale of its trace
  float StartHz = 0;     // 16
  float SpanHz = 0;      // 20
  float FirstTick = 0;   // 24
  uint8_t Carried28 = 0; // 28
  uint8_t Subdiv = 0;    // 29
  uint8_t AxisBits = 0;  // 30 kInset...
  uint8_t Carried31 = 0; // 31
  float TickSep = 0;     // 32
  float NumFormat = 0;   // 36
  uint8_t Carried40[4]{}; // 40
  int16_t Attrib = 0;    // 44 attribute word of its trace
  uint8_t Carried46[514]{};
};
static_assert(sizeof(SpecInsetItem) == 560 && offsetof(SpecInsetItem, Attrib) == 44);

// A marker item (20 bytes).
struct SpecMarkerItem {
  float FreqHz = 0;       // 0
  uint8_t Carried4[4]{};  // 4
  uint8_t CharCode = 0;   // 8
  uint8_t Carried9[11]{};
};
static_assert(sizeof(SpecMarkerItem) == 20);

inline constexpr int kSpecIntegralItems = 30;
inline constexpr int kSpecInsetItems = 30;
inline constexpr int kSpecMarkerItems = 15;
inline constexpr int kSpecPosFirst = 75, kSpecPosLast = 210;

struct SpecRec : SpecHead {
  // Items numbered from 1 (index 0 unused).
  std::array<SpecIntegralItem, kSpecIntegralItems + 1> Integral{};
  std::array<SpecInsetItem, kSpecInsetItems + 1> Inset{};
  std::array<SpecMarkerItem, kSpecMarkerItems + 1> Marker{};
  int16_t AnnotCount = 0;
  int16_t AnnotCompanion = 0;
  std::vector<float> AnnotPos;  // indices 0..AnnotCount-1
  std::vector<float> AnnotVal;
  std::string AnnotText;
  // Positions the spectrum drawing reaches, x, y pairs, indices 75..210 (Pos(i)).
  std::array<float, kSpecPosLast - kSpecPosFirst + 1> DrawnPos{};
  int16_t ResetMark = 0;  // 18000 after reset
  float VertMult = 1;     // vertical multiplier of a loaded spectrum
  // 0 object caption (label markup), 1 axis caption, 2 file label, 3 title.
  std::array<std::string, 4> Strings;

  float& Pos(int i) { return DrawnPos.at(static_cast<std::size_t>(i - kSpecPosFirst)); }
};

extern SpecRec gSpec;

// The start-up state of gSpec (tests).
void SpecRecordReset();
