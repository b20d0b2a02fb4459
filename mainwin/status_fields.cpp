#include "mainwin/status_fields.h"

void StatusFields::PrintAt(PictureBox& pic, const std::string& text, Place at, uint32_t color) {
  const uint32_t saved = pic.ForeColor;
  pic.ForeColor = color;
  pic.PSet(at.x, at.y, color);
  pic.CurrentX = at.x;
  pic.CurrentY = at.y;
  pic.Print(text);
  pic.ForeColor = saved;
}

void StatusFields::Write(PictureBox& pic, const std::string& text, int16_t line, bool right,
                         Place at) {
  Shown& field = fields_[{line, right}];
  // The same pixels in the background colour take the old text away.
  if (!field.text.empty()) PrintAt(pic, field.text, field.at, pic.BackColor);
  field.text = text;
  field.at = at;
  PrintAt(pic, text, at, pic.ForeColor);
  pic.Refresh();
}

std::string StatusFields::Text(int16_t line, bool right) const {
  const auto it = fields_.find({line, right});
  return it == fields_.end() ? std::string() : it->second.text;
}

bool StatusFields::EndsWithDrawing(const std::string& text) {
  return text == "Calculating" || text == "Press ReDraw button to recalculate spectrum";
}
