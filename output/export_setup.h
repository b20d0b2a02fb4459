// The export dialog's choices without widgets: the graphics, framing and output words, the
// option boxes, the reading of a settings text and the settings text they give.
#pragma once

#include <array>
#include <cstdint>
#include <string>

inline constexpr int kGraphicsOptions = 6;
inline constexpr int kFrameOptions = 4;
inline constexpr int kOutputOptions = 2;

struct ExportSetup {
  int16_t graphics = 0;  // selected graphics option 0..5
  int16_t frame = 2;     // selected framing option 0..3
  int16_t output = 1;    // 0 disk, 1 clipboard
  bool emf = false;
  bool includeZEF = false;
  bool gifTransparent = true;
  bool lineSmooth = true;
  bool clipboardEnabled = true;
  std::string graphicsWord = "WMF-P ", frameWord = "Frame ", outputWord = "Clip";

  // Caption and tag of graphics option i as the "Enhanced MF" box makes them.
  std::string GraphicsCaption(int i) const;
  std::string GraphicsTag(int i) const;
  static std::string FrameTag(int i);
  static std::string OutputTag(int i);

  // Reads the settings text the dialog is shown with ("" gives " Draw Clip LnSmooth").
  void ApplyInput(const std::string& settings);
  void ClickGraphics(int16_t index);
  void ClickFrame(int16_t index);
  void ClickOutput(int16_t index);
  void SetEMF(bool checked);
  // The settings text of the current choices.
  std::string ShowCapt() const;
};

// The resolution note: the print scale and the dots per inch of the bitmaps an export then
// writes, at the size the drawing prints.
std::string ExportInfoText(float printScale);
