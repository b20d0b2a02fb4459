// The logic of the parameter dialog frmDataEntry, without its widgets: every parameter of the
// current type in a cell with its value and an on-screen check box, one edit box over the value
// being edited, OK, Cancel, Help and Apply. It edits gSimPar directly; the caller snapshots the
// type first and restores it when the tag comes back "Cancel".
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "engine/engine_globals.h"
#include "mainwin/parameter_dialog_layout.h"

// What the dialog needs of the main window.
class DataEntryOwner {
 public:
  virtual ~DataEntryOwner() = default;
  virtual int16_t ParScrnMax() = 0;
  // The type record takes the edited parameters; the main window is re-laid and recalculated.
  virtual void RedisplayPars() = 0;
  virtual void HelpShowTopic(int32_t id) = 0;
  virtual void ControlHelpPopup(int32_t contextId) = 0;
};

// The widgets: told when the logic writes a control. Writes never fire the control's events.
class DataEntryView {
 public:
  virtual ~DataEntryView() = default;
  virtual void CheckChanged(int16_t i) = 0;
  virtual void ValueTextChanged(int16_t i) = 0;
  // The edit box moved onto a value and took its text, all of it selected; with focus, it
  // also gets the keyboard focus.
  virtual void EditBoxMoved(bool focus) = 0;
  virtual void SelectAllEditText() = 0;
  virtual void HideDialog() = 0;
};

inline constexpr int32_t kDataEntryHelp = 82;  // the dialog, its Help button, edit and check boxes
inline constexpr int32_t kDataEntryButtonHelp = 250;  // the Help and Apply buttons

class DataEntryForm {
 public:
  explicit DataEntryForm(DataEntryOwner& owner) : owner_(owner) {}
  void SetView(DataEntryView* view) { view_ = view; }

  // Builds the dialog for the current type (layout, values, check marks) and puts the edit box
  // on the parameter at order position 1.
  void Form_Load();
  void EditParameter(int16_t i);
  void StoreEditedValue(float v, int16_t i, int16_t mode);

  void check1_Click(int16_t i, bool ticked);
  void Combo1_Click(int16_t i, int16_t listIndex);
  void ParName_Click(int16_t i) { EditParameter(i); }
  void ParVal_Click(int16_t i) { EditParameter(i); }
  void txtCurrPV_GotFocus();
  // The key as typed (Windows-1252 code); returns the key after the filter (0: swallowed). The
  // edit box's text is EditText() afterwards. Enter asks the view to move the focus on.
  int16_t txtCurrPV_KeyPress(int16_t key);
  // The user changed the edit box's text (typing that passed the filter, pasting).
  void txtCurrPV_UserText(const std::string& text);
  bool TakeFocusNextRequest();

  void Form_KeyDown(int16_t keyCode, int16_t shift);
  void Form_KeyUp(int16_t keyCode, int16_t shift);
  void Form_KeyPress(int16_t key);
  void Command3D1_Click(int16_t k);
  void Form_QueryUnload(int16_t& cancel, int16_t unloadMode);
  // Esc: the dialog's Cancel.
  void EscapePressed() { Command3D1_Click(1); }

  // Right-button release: help popups.
  void Form_MouseUp(int16_t button);
  void check1_MouseUp(int16_t i, int16_t button);
  void ParName_MouseUp(int16_t i, int16_t button);
  void txtCurrPV_MouseUp(int16_t button);
  // Buttons 2 and 3 (Help, Apply) have help of their own; false for the others.
  bool Command3D1_MouseUp(int16_t k, int16_t button);

  // --- State the view shows and tests read ---
  const ParameterDialogLayout& Layout() const { return layout_; }
  bool Checked(int16_t i) const;
  const std::string& ValueText(int16_t i) const;
  const std::string& EditText() const { return editText_; }
  int16_t CurPar() const { return mCurPar; }
  int16_t CheckCount() const { return mCheckCount; }
  bool Dirty() const { return mDirty; }
  bool Ready() const { return mReady; }
  const std::string& Tag() const { return tag_; }

 private:
  static bool ValidPar(int16_t i) { return i >= 0 && i < kSimParCount; }
  bool IsMultiplicity(int16_t i) const;
  // The order positions Tab walks: 1 .. gLastPar + 1 of the order text.
  int16_t TabPositions() const;
  void Hide();

  DataEntryOwner& owner_;
  DataEntryView* view_ = nullptr;
  ParameterDialogLayout layout_;
  std::string mOrder;
  std::array<bool, kSimParCount> checked_{};
  std::string editText_;
  std::string tag_;
  int16_t mCurPar = -1;
  int16_t mCheckCount = 0;
  bool mReady = false;
  bool mDirty = false;
  bool mTyped = false;  // a key was typed into the edit box since it moved
  bool mFocusNext = false;
  int16_t mShiftState = 0;
};
