// The status texts written onto the spectrum picture: a left and a right field per line. A text
// written to a field replaces the one that stood there (the old one is printed over in the
// background colour), and the texts are printed again after every full redraw of the picture,
// so they stay until the next text of their field, except the progress and prompt texts that
// the next drawing answers.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <utility>

#include "platform/picture_box.h"

class StatusFields {
 public:
  // Where a field's text goes: its top-left corner, in twips.
  struct Place {
    float x = 0, y = 0;
  };

  // Writes the text into the field (line, right) at the place, replacing the field's text.
  void Write(PictureBox& pic, const std::string& text, int16_t line, bool right, Place at);
  // After the picture was cleared and drawn again: every kept text printed anew at its place
  // (placeOf(text, line, right)); "Calculating" and the ReDraw prompt end with that drawing.
  template <typename PlaceOf>
  void Redraw(PictureBox& pic, PlaceOf placeOf) {
    for (auto it = fields_.begin(); it != fields_.end();) {
      if (EndsWithDrawing(it->second.text)) {
        it = fields_.erase(it);
        continue;
      }
      it->second.at = placeOf(it->second.text, it->first.first, it->first.second);
      PrintAt(pic, it->second.text, it->second.at, pic.ForeColor);
      ++it;
    }
  }
  // The text of a field ("" when none).
  std::string Text(int16_t line, bool right) const;

 private:
  struct Shown {
    std::string text;
    Place at;
  };
  static bool EndsWithDrawing(const std::string& text);
  static void PrintAt(PictureBox& pic, const std::string& text, Place at, uint32_t color);

  std::map<std::pair<int16_t, bool>, Shown> fields_;
};
