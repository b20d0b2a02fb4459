#include "output/export_setup.h"

#include <cmath>

#include "output/export_resolution.h"
#include "platform/runtime_numbers.h"

namespace {

constexpr const char* kGraphicsTags[kGraphicsOptions] = {"WMF-P ", "WMF-S ", "BMP-S ",
                                                         "EPS",    "GIF-S ", "JPG-S"};
constexpr const char* kFrameTags[kFrameOptions] = {"Box ", "Marg ", "Frame ", "Page "};
constexpr const char* kOutputTags[kOutputOptions] = {"Disk", "Clip"};

bool Has(const std::string& s, const std::string& word) {
  return s.find(word) != std::string::npos;
}

}  // namespace

std::string ExportSetup::GraphicsCaption(int i) const {
  static constexpr const char* kCaptions[kGraphicsOptions] = {
      "Windows Metafile (WMF-P) - Format for Printer",
      "Windows Metafile (WMF-S) - Format for Screen",
      "Windows Bitmap (BMP-S) ",
      "Encapsulated PostScript (EPS)",
      "Graphics Interchange (GIF-S) ",
      "JPG - Picture (JPG-S)"};
  if (emf && i == 0) return "Windows Metafile (EMF-P) - Format for Printer";
  if (emf && i == 1) return "Windows Metafile (EMF-S) - Format for Screen";
  return (i >= 0 && i < kGraphicsOptions) ? kCaptions[i] : "";
}

std::string ExportSetup::GraphicsTag(int i) const {
  if (emf && i == 0) return "EMF-P ";
  if (emf && i == 1) return "EMF-S ";
  return (i >= 0 && i < kGraphicsOptions) ? kGraphicsTags[i] : "";
}

std::string ExportSetup::FrameTag(int i) {
  return (i >= 0 && i < kFrameOptions) ? kFrameTags[i] : "";
}

std::string ExportSetup::OutputTag(int i) {
  return (i >= 0 && i < kOutputOptions) ? kOutputTags[i] : "";
}

void ExportSetup::ApplyInput(const std::string& settings) {
  const std::string s = settings.empty() ? " Draw Clip LnSmooth" : settings;
  includeZEF = Has(s, "InclZEF");
  gifTransparent = !Has(s, "Opaque");
  lineSmooth = Has(s, "LnSmooth");
  if (Has(s, "EMF")) SetEMF(true);
  for (int16_t i = 0; i < kGraphicsOptions; ++i)
    if (Has(s, GraphicsTag(i))) ClickGraphics(i);
  for (int16_t i = 0; i < kFrameOptions; ++i)
    if (Has(s, kFrameTags[i])) ClickFrame(i);
  ClickOutput(Has(s, "Clip") ? 1 : 0);
  frameWord = kFrameTags[frame];
}

void ExportSetup::ClickGraphics(int16_t index) {
  if (index < 0 || index >= kGraphicsOptions) return;
  graphics = index;
  graphicsWord = GraphicsTag(index);
  if (index <= 2) {
    clipboardEnabled = true;
  } else {
    ClickOutput(0);
    clipboardEnabled = false;
  }
}

void ExportSetup::ClickFrame(int16_t index) {
  if (index < 0 || index >= kFrameOptions) return;
  frame = index;
  frameWord = kFrameTags[index];
}

void ExportSetup::ClickOutput(int16_t index) {
  if (index < 0 || index >= kOutputOptions) return;
  // A disabled "Clipboard" cannot be chosen.
  if (index == 1 && !clipboardEnabled) return;
  output = index;
  outputWord = kOutputTags[index];
}

void ExportSetup::SetEMF(bool checked) {
  emf = checked;
  if (graphics == 0 || graphics == 1) graphicsWord = GraphicsTag(graphics);
}

std::string ExportSetup::ShowCapt() const {
  std::string s = graphicsWord + frameWord + outputWord;
  const std::string head = s.substr(0, 3);
  if (includeZEF && head == "EMF") s += " (InclZEF) ";
  if (!gifTransparent && head == "GIF") s += " (Opaque) ";
  if (lineSmooth && (head == "BMP" || head == "GIF")) s += " (LnSmooth) ";
  return s;
}

std::string ExportInfoText(float printScale) {
  double dpi = ScreenExportDpi(printScale);
  if (!std::isfinite(dpi)) dpi = 0;
  return "At the current Print Scale (" + Format(printScale, "0.00") +
         ") the resolution of the exported bitmaps (BMP and GIF) will be " + Format(dpi, "0") +
         " dots per inch (DPI).";
}
