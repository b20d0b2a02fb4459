// List-box and menu helpers without any widget. A list is a vector of entries (text and item
// data), a caption set a vector of (caption, visible). The Qt side (drawlib/ui/list_helpers.h)
// copies widgets to and from these.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct ListEntry {
  std::string text;
  int32_t data = 0;
  bool operator==(const ListEntry&) const = default;
};

// The trimmed, non-empty items whose data shares a bit with the selector (all of them when the
// selector is 0), in list order, joined by the separator.
std::string ListItemsByData(const std::vector<ListEntry>& list, std::string_view separator,
                            int32_t selector);
// The entries of a list filled from the non-empty tokens of the text, each with the given data.
std::vector<ListEntry> ListFill(std::string_view text, std::string_view separator, int32_t data);
// A most-recently-used list: removes the last entry equal to the item without regard to case,
// then inserts the item at the top with the given data.
void ListAddTop(std::vector<ListEntry>& list, std::string_view item, int16_t data);

struct CaptionEntry {
  std::string caption;
  bool visible = true;
  bool operator==(const CaptionEntry&) const = default;
};
// The non-empty captions in order, joined by NUL characters.
std::string CtrlCaptionsGet(const std::vector<CaptionEntry>& controls);
// When the text is not blank: each control in order takes the next NUL-separated item; a
// non-empty item becomes its caption and shows it, an empty (or missing) one clears and hides it.
void CtrlCaptionsSet(std::vector<CaptionEntry>& controls, std::string_view text);
