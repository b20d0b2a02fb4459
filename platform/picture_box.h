// A picture box that code draws into at any time, in twips from its top-left corner (y
// downward), with the runtime's drawing calls: Cls, Line, box outlines, PSet, Print and the
// current point, foreground and background colours, pen width in pixels, dotted pens and the
// XOR pen. What is drawn stays until the next Cls. Colours are 0x00BBGGRR.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

class PictureBox {
 public:
  // DrawMode values.
  static constexpr int16_t kDrawModeXorPen = 7;
  static constexpr int16_t kDrawModeCopyPen = 13;
  // DrawStyle values.
  static constexpr int16_t kDrawStyleSolid = 0;
  static constexpr int16_t kDrawStyleDot = 2;

  virtual ~PictureBox() = default;

  // Size of the drawing area in twips, and the screen's twips per (logical) pixel.
  virtual float ScaleWidth() const = 0;
  virtual float ScaleHeight() const = 0;
  virtual float TwipsPerPixelX() const = 0;
  virtual float TwipsPerPixelY() const = 0;

  // Fills the picture with BackColor; the current point goes to (0, 0).
  virtual void Cls() = 0;
  // A line from (x1, y1) to (x2, y2) in the colour, with DrawWidth, DrawStyle and DrawMode; the
  // end point becomes the current point.
  virtual void Line(float x1, float y1, float x2, float y2, uint32_t color) = 0;
  // The outline of the rectangle with corners (x1, y1) and (x2, y2); the second corner becomes
  // the current point.
  virtual void Box(float x1, float y1, float x2, float y2, uint32_t color) = 0;
  // One pixel in the colour; the point becomes the current point.
  virtual void PSet(float x, float y, uint32_t color) = 0;
  // The text in ForeColor with its top-left corner at the current point; afterwards CurrentX
  // is 0 and CurrentY one text line lower, as after the runtime's Print.
  virtual void Print(const std::string& text) = 0;
  // Width and height in twips of the text in the picture's font (Windows-1252 text).
  virtual float TextWidth(const std::string& text) const = 0;
  virtual float TextHeight(const std::string& text) const = 0;
  // Shows what has been drawn now (the widget repaints from its image).
  virtual void Refresh() = 0;
  // The overlays changed: a widget repaints them.
  virtual void OverlaysChanged() {}

  // Shapes shown over the picture without changing what is drawn: the rubber-band box of a
  // right drag and the dotted guide line of a dragged marker or handle. Cls leaves them.
  struct Overlay {
    bool box = false;  // a rectangle outline; else a dotted line
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    uint32_t color = 0;
  };
  enum OverlaySlot { kOverlayBox = 0, kOverlayGuide = 1 };
  void SetOverlay(OverlaySlot slot, const Overlay& shape) {
    overlays[slot] = shape;
    OverlaysChanged();
  }
  void ClearOverlay(OverlaySlot slot) {
    if (!overlays[slot]) return;
    overlays[slot].reset();
    OverlaysChanged();
  }
  std::array<std::optional<Overlay>, 2> overlays;

  float CurrentX = 0;
  float CurrentY = 0;
  uint32_t ForeColor = 0;
  uint32_t BackColor = 0xFFFFFF;
  int16_t DrawWidth = 1;  // pixels
  int16_t DrawStyle = kDrawStyleSolid;
  int16_t DrawMode = kDrawModeCopyPen;
};
