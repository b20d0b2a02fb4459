// A picture box without a screen: it records every drawing call with the pen state of the
// moment, for tests of drawing logic. Text has fixed metrics: 90 twips per character and 195
// twips per line (an 8-point face at 15 twips per pixel), so positions are predictable.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/picture_box.h"

class RecordingPictureBox : public PictureBox {
 public:
  static constexpr float kCharWidthTwips = 90.0f;
  static constexpr float kLineHeightTwips = 195.0f;

  enum class Kind { Cls, Line, Box, PSet, Print };
  // One call. Cls: colour = BackColor. Line and Box: both corners. PSet: the point in (x1, y1)
  // and (x2, y2). Print: the current point before printing in (x1, y1), colour = ForeColor.
  struct Op {
    Kind kind;
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    uint32_t color = 0;
    std::string text;
    int16_t drawWidth = 1;
    int16_t drawStyle = kDrawStyleSolid;
    int16_t drawMode = kDrawModeCopyPen;
  };

  RecordingPictureBox(float widthTwips, float heightTwips, float twipsPerPixel = 15.0f);

  void SetSize(float widthTwips, float heightTwips);

  float ScaleWidth() const override { return width_; }
  float ScaleHeight() const override { return height_; }
  float TwipsPerPixelX() const override { return twipsPerPixel_; }
  float TwipsPerPixelY() const override { return twipsPerPixel_; }

  void Cls() override;
  void Line(float x1, float y1, float x2, float y2, uint32_t color) override;
  void Box(float x1, float y1, float x2, float y2, uint32_t color) override;
  void PSet(float x, float y, uint32_t color) override;
  void Print(const std::string& text) override;
  float TextWidth(const std::string& text) const override;
  float TextHeight(const std::string& text) const override;
  void Refresh() override { ++refreshCount; }

  // The recorded calls of one kind.
  std::vector<Op> OpsOf(Kind kind) const;

  std::vector<Op> ops;
  int refreshCount = 0;

 private:
  void Record(Kind kind, float x1, float y1, float x2, float y2, uint32_t color,
              const std::string& text = "");

  float width_;
  float height_;
  float twipsPerPixel_;
};
