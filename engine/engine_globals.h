// The spectrum engine's records and module-level state: the simulation-type catalogue, the current
// type's parameter and spin tables, the spectrum grid, the spectrum arrays, the line list and the
// inputs of the spin and exchange analyses. Everything lives for the whole process; the main
// window and the other subsystems read and write it directly. ResetEngineState() restores the
// start-up state (for tests).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// Sizes of the catalogue and its records.
constexpr int kSimParCount = 76;   // parameters 0..75 of one type
constexpr int kSimTypeCount = 45;  // types 0..44
constexpr int kSpinSlots = 16;     // spin records 0..15
constexpr int kSimParNameLength = 12;
constexpr int kAnalysisSlots = 9;  // gShiftHz, gJMatrix, site arrays: index 0..8
constexpr int kStartLineCapacity = 2000;

// SimParFlags: the flag word of one parameter.
enum SimParFlags : int32_t {
  kParShiftMask = 0x000F,  // chemical shift of nucleus 1..15
  kParInteger = 0x0010,    // integer-valued, rounded by SimParClamp
  kParShown = 0x0020,      // a row of the parameter panel (set by SimTypeSetup)
  kParHidden = 0x0040,     // never a panel row
  kParCentre = 0x0080,     // centre or shift difference of an AB pair
  kParWidth = 0x0100,      // line width at half height
  kParSpecWidth = 0x0200,  // width of the displayed spectrum
  kParOffset = 0x0400,     // offset of the right edge of the display
  kParCoupling = 0x0800,   // coupling constant
  kParArea = 0x1000,       // area of a singlet or multiplet
  kParMultiplet = 0x2000,  // multiplicity code of a multiplet
};

struct SimParRec {
  std::string Name = std::string(kSimParNameLength, ' ');  // always 12 characters
  float Value = 0;
  float Max = 0;
  float Min = 0;
  int32_t Flags = 0;
  std::string Incr;
  std::string Tip;
};

struct SpinRec {
  float Shift = 0;      // Hz
  uint32_t Color = 0;   // 0x00BBGGRR
  uint8_t Label = 0;    // one character
  int16_t ParIndex = 0; // parameter holding this nucleus's shift (-1: none)
};

struct SimTypeRec {
  std::array<SimParRec, kSimParCount> Par{};
  float VertMult = 0;
  int16_t LastPar = 0;  // 0: record not filled yet
  int16_t SpinCount = 0;
  int16_t Mode = 0;
  float SpecRef = 0;
  float SpecMHz = 0;
  std::string Caption;
  std::string Order;      // panel order: character code - 48 = parameter index
  std::string PrintPars;  // parameters printed in the spectrum's file label, same coding
  std::string SpecID;
  std::array<SpinRec, kSpinSlots> Spins{};
};

// The twelve limits of the settings section "Kavo MinMax", in the section's order.
struct SimParLimitsRec {
  float ChemicalShiftMax = 0;
  float ChemicalShiftMin = 0;
  float SpectrumOffsetMax = 0;
  float SpectrumOffsetMin = 0;
  float SpectrumWidthMax = 0;
  float SpectrumWidthMin = 0;
  float LineWidthMax = 0;
  float LineWidthMin = 0;
  float JCouplingMax = 0;
  float JCouplingMin = 0;
  float CenterFrequencyMax = 0;
  float CenterFrequencyMin = 0;
  bool Read = false;
};

// --- Catalogue and current type ---
extern std::array<SimTypeRec, kSimTypeCount> gSimTypes;
extern int16_t gSimType;  // 0..43 catalogue types, 44 imported peak list
extern std::array<SimParRec, kSimParCount> gSimPar;
extern std::array<SpinRec, kSpinSlots> gSpins;
extern int16_t gLastPar;
extern int16_t gSpinCount;
extern SimParLimitsRec SimParLimits;
extern int16_t gTypeMode;  // bit 0: broaden the line list; bit 1: exchange type

// --- Spectrum grid: point p stands for gHorOffHz + p * gHzPerPt Hz ---
extern float gSpectHz;
extern float gHorOffHz;
extern int16_t gNumPts;
extern float gHzPerPt;

// --- Spectrum arrays (sized by RedimSpectrum; the engine uses elements 1..gNumPts) ---
extern std::vector<float> gSpectrum;   // 0..gNumPts+20
extern std::vector<float> gSpectrum2;  // 0..gNumPts+20
extern std::vector<float> gSpecExp;    // 0..gNumPts+21
extern std::vector<float> gStickSum;   // 0..gNumPts+1, work arrays of the fast broadening
extern std::vector<float> gStickPos;   // 0..gNumPts+1

// --- Line list, indexed 1..gNumLines (sized together by RedimLineList) ---
extern std::vector<float> gLineFreq;
extern std::vector<float> gLineInt;
extern std::vector<uint32_t> gLineColor;
extern std::vector<float> gLineT1;  // full width at half height per line (types 13, 14, 39)
extern int16_t gNumLines;
extern std::array<int16_t, kSpinSlots> gComponentOn;  // component n of types 13, 14, 39 shown

// --- Inputs of the spin analysis: nuclei 1..n ---
extern std::array<float, kAnalysisSlots> gShiftHz;
// Entry (a, b) at a + 9*b: for a < b the coupling J(a, b) in Hz, entry (b, a) J(a, b) / 2.
extern std::array<float, kAnalysisSlots * kAnalysisSlots> gJMatrix;
inline float& JMatrixAt(int a, int b) { return gJMatrix[static_cast<size_t>(a + 9 * b)]; }

// --- Inputs of the exchange calculation: sites 1..n ---
extern std::array<float, kAnalysisSlots> gSitePop;  // population fraction
extern std::array<float, kAnalysisSlots> gSiteR2;   // pi * line width, s-1
// Entry (i, j) at i + 9*j: rate from site i to site j; (i, i) minus the sum of row i's others.
extern std::array<float, kAnalysisSlots * kAnalysisSlots> gExchK;
inline float& ExchKAt(int i, int j) { return gExchK[static_cast<size_t>(i + 9 * j)]; }
extern int16_t gPointStep;  // the exchange kernel evaluates every gPointStep-th point

// --- Display state kept by the main window and read by the engine ---
extern float gVertMult;   // vertical multiplier of the calculated spectrum
extern float gVertScale;  // vertical scale of the display
extern std::array<uint32_t, 4> gTraceColors;
extern int16_t gRedrawFlags;  // why a redraw is requested; reset by DrawSpectra
extern int16_t gParTyped;     // typed-value flag of the value boxes; cleared by CalcSpectrum
extern int16_t gDisableRef;   // "DisableRef": CalcSpectrum zeroes the spectrum reference
extern std::string gFinm;     // file of the current experimental spectrum
extern int16_t gLineFit;      // line-fitting mode (16-bit Boolean)

// --- Geometry of the main window's spectrum picture (twips, y downward) ---
extern int32_t gPicWidthTwips;     // picture width
extern float gTwipsPerPt;          // gPicWidthTwips / gNumPts
extern float gTwipsPerHz;          // gPicWidthTwips / displayed width in Hz
extern int16_t gBaseLnTwips;       // baseline of the calculated trace
extern int16_t gBaseLnSaveTwips;   // the baseline as set at start-up
extern int16_t gExpBaseLnTwips;    // baseline of the experimental trace
extern int16_t gDiffBaseLnTwips;   // baseline of the difference trace
extern float VertLockHt;           // locked peak height above the baseline
extern int16_t gVertLock;          // 0 off, -1 height locked, -2 while the height handle drops
extern int16_t gNoiseLevel;        // simulated noise, thousandths of gBaseLnTwips
extern int32_t gScrollTwips;       // how far the picture is scrolled to the left

// --- The printed plot's spectrum box (world units) and its option bits (0x40: ppm axis) ---
extern float gPrintBoxWidth;
extern float gPrintBoxHeight;
extern int16_t gPrintBoxToggles;

// Names the windows use for some of the same state.
inline int16_t& gEditFocus = gParTyped;
inline std::array<SpinRec, kSpinSlots>& gSpinMarks = gSpins;
inline int16_t& gNumSpinMarks = gSpinCount;
inline std::array<int16_t, kSpinSlots>& gSpinMarkShown = gComponentOn;

// Colour i (0..15) of the standard 16-colour palette, as 0x00BBGGRR.
uint32_t PaletteColor(int i);

// Array sizing.
// Resizes the four line-list arrays to index 0..n, keeping their contents (n < 0 counts as 0).
void RedimLineList(int n);
// Grows the line list so index n exists; never shrinks it.
void EnsureLineCapacity(int n);
// Highest usable index of the line list.
int LineListUBound();
// Resizes and clears the spectrum arrays for n points (n < 0 counts as 0).
void RedimSpectrum(int n);

// Restores the engine's start-up state: empty catalogue, type 0, limits unread, line list
// 0..2000, empty spectrum arrays, default display state.
void ResetEngineState();
