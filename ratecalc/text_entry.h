// The text-entry protocol of the calculator's boxes.
//
// The first key typed into a box after a refresh starts a new number (the box is emptied first).
// A box is recalculated when it loses the focus only when a key was typed into it since the last
// refresh: moving the focus through the boxes never changes a result.
#pragma once

#include <cstdint>

class TextEntry {
 public:
  // Index of the box that received the last key, -1 after every refresh.
  int16_t LastEdited = -1;

  // Called before a key is handled in box `index`; true when the box must be emptied first.
  bool KeyStartsNumber(int index) {
    if (LastEdited == index) return false;
    LastEdited = static_cast<int16_t>(index);
    return true;
  }
  // The user changed the box's text by other means (paste, cut): it counts as typed.
  void MarkEdited(int index) { LastEdited = static_cast<int16_t>(index); }
  // True when box `index` holds typed text not yet recalculated.
  bool IsPending(int index) const { return index >= 0 && LastEdited == index; }
  void Refreshed() { LastEdited = -1; }
};
