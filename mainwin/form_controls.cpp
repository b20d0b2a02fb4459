#include "mainwin/form_controls.h"

#include <algorithm>

Control& FormControls::At(Ctl id, int index) { return controls_[{id, index}]; }

const Control& FormControls::Get(Ctl id, int index) { return At(id, index); }

bool FormControls::Exists(Ctl id, int index) const { return controls_.count({id, index}) != 0; }

std::vector<std::pair<Ctl, int>> FormControls::Keys() const {
  std::vector<std::pair<Ctl, int>> keys;
  keys.reserve(controls_.size());
  for (const auto& entry : controls_) keys.push_back(entry.first);
  return keys;
}

void FormControls::Notify(Ctl id, int index, Prop what) {
  if (view_) view_->ControlChanged(id, index, what);
}

// Writes one field and tells the view only when the value changed.
template <typename T>
void FormControls::Assign(Ctl id, int index, T Control::*field, const T& value, Prop what) {
  Control& c = At(id, index);
  if (c.*field == value) return;
  c.*field = value;
  Notify(id, index, what);
}

void FormControls::SetCaption(Ctl id, int index, const std::string& text) {
  Assign(id, index, &Control::Caption, text, Prop::Caption);
}
void FormControls::SetVisible(Ctl id, int index, bool on) {
  Assign(id, index, &Control::Visible, on, Prop::Visible);
}
void FormControls::SetEnabled(Ctl id, int index, bool on) {
  Assign(id, index, &Control::Enabled, on, Prop::Enabled);
}
void FormControls::SetValue(Ctl id, int index, bool on) {
  Assign(id, index, &Control::Value, on, Prop::Value);
}
void FormControls::SetLeft(Ctl id, int index, float twips) {
  Assign(id, index, &Control::Left, twips, Prop::Geometry);
}
void FormControls::SetTop(Ctl id, int index, float twips) {
  Assign(id, index, &Control::Top, twips, Prop::Geometry);
}
void FormControls::SetWidth(Ctl id, int index, float twips) {
  Assign(id, index, &Control::Width, twips, Prop::Geometry);
}
void FormControls::SetHeight(Ctl id, int index, float twips) {
  Assign(id, index, &Control::Height, twips, Prop::Geometry);
}
void FormControls::SetBackColor(Ctl id, int index, uint32_t color) {
  Assign(id, index, &Control::BackColor, color, Prop::BackColor);
}
void FormControls::SetToolTip(Ctl id, int index, const std::string& text) {
  Assign(id, index, &Control::ToolTip, text, Prop::ToolTip);
}
void FormControls::SetHelpContextID(Ctl id, int index, int32_t contextId) {
  Assign(id, index, &Control::HelpContextID, contextId, Prop::HelpContextID);
}
void FormControls::SetListIndex(Ctl id, int index, int16_t listIndex) {
  Assign(id, index, &Control::ListIndex, listIndex, Prop::ListIndex);
}
void FormControls::SetTag(Ctl id, int index, const std::string& tag) {
  Assign(id, index, &Control::Tag, tag, Prop::Tag);
}
void FormControls::SetPicture(Ctl id, int index, int16_t image2Index) {
  Assign(id, index, &Control::Picture, image2Index, Prop::Picture);
}
void FormControls::SetScrollValue(Ctl id, int index, int32_t value) {
  Assign(id, index, &Control::ScrollValue, value, Prop::Scroll);
}

void FormControls::SetGeometry(Ctl id, int index, float left, float top, float width,
                               float height) {
  Control& c = At(id, index);
  if (c.Left == left && c.Top == top && c.Width == width && c.Height == height) return;
  c.Left = left;
  c.Top = top;
  c.Width = width;
  c.Height = height;
  Notify(id, index, Prop::Geometry);
}

void FormControls::SetScroll(Ctl id, int index, int32_t min, int32_t max, int32_t smallChange,
                             int32_t largeChange) {
  Control& c = At(id, index);
  c.Min = min;
  c.Max = max;
  c.SmallChange = smallChange;
  c.LargeChange = largeChange;
  c.ScrollValue = std::clamp(c.ScrollValue, min, std::max(min, max));
  Notify(id, index, Prop::Scroll);
}

void FormControls::SetItems(Ctl id, int index, std::vector<std::string> items) {
  At(id, index).Items = std::move(items);
  Notify(id, index, Prop::Items);
}

void FormControls::ListInsert(Ctl id, int index, int position, const std::string& item) {
  std::vector<std::string>& items = At(id, index).Items;
  position = std::clamp(position, 0, static_cast<int>(items.size()));
  items.insert(items.begin() + position, item);
  Notify(id, index, Prop::Items);
}

void FormControls::ListRemove(Ctl id, int index, int position) {
  std::vector<std::string>& items = At(id, index).Items;
  if (position < 0 || position >= static_cast<int>(items.size())) return;
  items.erase(items.begin() + position);
  Notify(id, index, Prop::Items);
}
