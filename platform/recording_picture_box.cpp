#include "platform/recording_picture_box.h"

RecordingPictureBox::RecordingPictureBox(float widthTwips, float heightTwips, float twipsPerPixel)
    : width_(widthTwips), height_(heightTwips), twipsPerPixel_(twipsPerPixel) {}

void RecordingPictureBox::SetSize(float widthTwips, float heightTwips) {
  width_ = widthTwips;
  height_ = heightTwips;
}

void RecordingPictureBox::Record(Kind kind, float x1, float y1, float x2, float y2,
                                 uint32_t color, const std::string& text) {
  ops.push_back({kind, x1, y1, x2, y2, color, text, DrawWidth, DrawStyle, DrawMode});
}

void RecordingPictureBox::Cls() {
  Record(Kind::Cls, 0, 0, 0, 0, BackColor);
  CurrentX = 0;
  CurrentY = 0;
}

void RecordingPictureBox::Line(float x1, float y1, float x2, float y2, uint32_t color) {
  Record(Kind::Line, x1, y1, x2, y2, color);
  CurrentX = x2;
  CurrentY = y2;
}

void RecordingPictureBox::Box(float x1, float y1, float x2, float y2, uint32_t color) {
  Record(Kind::Box, x1, y1, x2, y2, color);
  CurrentX = x2;
  CurrentY = y2;
}

void RecordingPictureBox::PSet(float x, float y, uint32_t color) {
  Record(Kind::PSet, x, y, x, y, color);
  CurrentX = x;
  CurrentY = y;
}

void RecordingPictureBox::Print(const std::string& text) {
  Record(Kind::Print, CurrentX, CurrentY, CurrentX, CurrentY, ForeColor, text);
  CurrentX = 0;
  CurrentY += TextHeight(text);
}

float RecordingPictureBox::TextWidth(const std::string& text) const {
  return kCharWidthTwips * static_cast<float>(text.size());
}

float RecordingPictureBox::TextHeight(const std::string&) const { return kLineHeightTwips; }

std::vector<RecordingPictureBox::Op> RecordingPictureBox::OpsOf(Kind kind) const {
  std::vector<Op> out;
  for (const Op& op : ops)
    if (op.kind == kind) out.push_back(op);
  return out;
}
