// What a recorded picture shows of its texts: a Cls wipes the picture, and a text printed again
// in the background colour at its place takes that text away (a status field being replaced).
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "platform/recording_picture_box.h"

struct SeenText {
  std::string text;
  float x = 0, y = 0;
};

// The texts that can be seen after the recorded calls.
inline std::vector<SeenText> SeenTexts(const RecordingPictureBox& picture) {
  std::vector<SeenText> seen;
  for (const RecordingPictureBox::Op& op : picture.ops) {
    if (op.kind == RecordingPictureBox::Kind::Cls) seen.clear();
    if (op.kind != RecordingPictureBox::Kind::Print) continue;
    if (op.color != picture.BackColor) {
      seen.push_back({op.text, op.x1, op.y1});
      continue;
    }
    std::erase_if(seen, [&op](const SeenText& t) {
      return t.text == op.text && t.x == op.x1 && t.y == op.y1;
    });
  }
  return seen;
}

// The texts written anew, in order: a text printed again after a redraw while it still stands
// in its field is not new; one that replaced the field's text is.
inline std::vector<std::string> WrittenTexts(const RecordingPictureBox& picture) {
  std::vector<SeenText> standing;
  std::vector<std::string> written;
  for (const RecordingPictureBox::Op& op : picture.ops) {
    if (op.kind != RecordingPictureBox::Kind::Print) continue;
    auto same = [&op](const SeenText& t) {
      return t.text == op.text && t.x == op.x1 && t.y == op.y1;
    };
    if (op.color == picture.BackColor) {
      std::erase_if(standing, same);
      continue;
    }
    if (std::none_of(standing.begin(), standing.end(), same)) written.push_back(op.text);
    standing.push_back({op.text, op.x1, op.y1});
  }
  return written;
}
