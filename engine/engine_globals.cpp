#include "engine/engine_globals.h"

#include <algorithm>

std::array<SimTypeRec, kSimTypeCount> gSimTypes;
int16_t gSimType = 0;
std::array<SimParRec, kSimParCount> gSimPar;
std::array<SpinRec, kSpinSlots> gSpins;
int16_t gLastPar = 0;
int16_t gSpinCount = 0;
SimParLimitsRec SimParLimits;
int16_t gTypeMode = 0;

float gSpectHz = 0;
float gHorOffHz = 0;
int16_t gNumPts = 0;
float gHzPerPt = 0;

std::vector<float> gSpectrum;
std::vector<float> gSpectrum2;
std::vector<float> gSpecExp;
std::vector<float> gStickSum;
std::vector<float> gStickPos;

std::vector<float> gLineFreq(kStartLineCapacity + 1);
std::vector<float> gLineInt(kStartLineCapacity + 1);
std::vector<uint32_t> gLineColor(kStartLineCapacity + 1);
std::vector<float> gLineT1(kStartLineCapacity + 1);
int16_t gNumLines = 0;
std::array<int16_t, kSpinSlots> gComponentOn{};

std::array<float, kAnalysisSlots> gShiftHz{};
std::array<float, kAnalysisSlots * kAnalysisSlots> gJMatrix{};
std::array<float, kAnalysisSlots> gSitePop{};
std::array<float, kAnalysisSlots> gSiteR2{};
std::array<float, kAnalysisSlots * kAnalysisSlots> gExchK{};
int16_t gPointStep = 1;

float gVertMult = 1;
float gVertScale = 1;
// Palette colours 1, 4, 0, 2: blue, red, black, green.
std::array<uint32_t, 4> gTraceColors = {0x800000, 0x000080, 0x000000, 0x008000};
int16_t gRedrawFlags = 0;
int16_t gParTyped = 0;
int16_t gDisableRef = 0;
std::string gFinm;
int16_t gLineFit = 0;

int32_t gPicWidthTwips = 0;
float gTwipsPerPt = 1;
float gTwipsPerHz = 1;
int16_t gBaseLnTwips = 0;
int16_t gBaseLnSaveTwips = 0;
int16_t gExpBaseLnTwips = 0;
int16_t gDiffBaseLnTwips = 0;
float VertLockHt = 0;
int16_t gVertLock = 0;
int16_t gNoiseLevel = 0;
int32_t gScrollTwips = 0;
float gPrintBoxWidth = 0;
float gPrintBoxHeight = 0;
int16_t gPrintBoxToggles = 111;

uint32_t PaletteColor(int i) {
  static constexpr std::array<uint32_t, 16> kPalette = {
      0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
      0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
  return kPalette[static_cast<size_t>(i & 15)];
}

void RedimLineList(int n) {
  const size_t size = static_cast<size_t>(std::max(n, 0)) + 1;
  gLineFreq.resize(size, 0.0f);
  gLineInt.resize(size, 0.0f);
  gLineColor.resize(size, 0u);
  gLineT1.resize(size, 0.0f);
}

void EnsureLineCapacity(int n) {
  if (n > LineListUBound()) RedimLineList(n);
}

int LineListUBound() {
  // The four arrays are always sized together; the smallest bounds every access.
  const size_t size = std::min({gLineFreq.size(), gLineInt.size(), gLineColor.size(),
                                gLineT1.size()});
  return static_cast<int>(size) - 1;
}

void RedimSpectrum(int n) {
  const size_t points = static_cast<size_t>(std::max(n, 0));
  gSpectrum.assign(points + 21, 0.0f);
  gSpectrum2.assign(points + 21, 0.0f);
  gSpecExp.assign(points + 22, 0.0f);
  gStickSum.assign(points + 2, 0.0f);
  gStickPos.assign(points + 2, 0.0f);
}

void ResetEngineState() {
  gSimTypes = {};
  gSimType = 0;
  gSimPar = {};
  gSpins = {};
  gLastPar = 0;
  gSpinCount = 0;
  SimParLimits = {};
  gTypeMode = 0;
  gSpectHz = 0;
  gHorOffHz = 0;
  gNumPts = 0;
  gHzPerPt = 0;
  RedimSpectrum(0);
  gLineFreq.clear();
  gLineInt.clear();
  gLineColor.clear();
  gLineT1.clear();
  RedimLineList(kStartLineCapacity);
  gNumLines = 0;
  gComponentOn = {};
  gShiftHz = {};
  gJMatrix = {};
  gSitePop = {};
  gSiteR2 = {};
  gExchK = {};
  gPointStep = 1;
  gVertMult = 1;
  gVertScale = 1;
  gTraceColors = {PaletteColor(1), PaletteColor(4), PaletteColor(0), PaletteColor(2)};
  gRedrawFlags = 0;
  gParTyped = 0;
  gDisableRef = 0;
  gFinm.clear();
  gLineFit = 0;
  gPicWidthTwips = 0;
  gTwipsPerPt = 1;
  gTwipsPerHz = 1;
  gBaseLnTwips = gBaseLnSaveTwips = gExpBaseLnTwips = gDiffBaseLnTwips = 0;
  VertLockHt = 0;
  gVertLock = 0;
  gNoiseLevel = 0;
  gScrollTwips = 0;
  gPrintBoxWidth = gPrintBoxHeight = 0;
  gPrintBoxToggles = 111;
}
