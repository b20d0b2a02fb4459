#include "mainwin/data_entry_form.h"

#include <algorithm>

#include "drawlib/util/numbers.h"
#include "drawlib/util/numeric_key.h"
#include "drawlib/util/strings.h"
#include "engine/sim_catalogue.h"
#include "platform/runtime_numbers.h"
#include "platform/runtime_text.h"

namespace {
constexpr int16_t kTabKey = 9;
constexpr int16_t kRightButton = 2;
constexpr int16_t kShiftOnly = 1;
}  // namespace

void DataEntryForm::Form_Load() {
  mOrder = gSimType >= 0 && gSimType < kSimTypeCount
               ? Trim(gSimTypes[static_cast<size_t>(gSimType)].Order)
               : std::string();
  mCheckCount = 0;
  mReady = false;
  layout_ = LayoutParameterDialog(CurrentParameterDialogInput());

  // At most as many boxes start ticked as the main window has rows, the first in parameter order.
  const int16_t screenMax = owner_.ParScrnMax();
  const int16_t last = std::clamp<int16_t>(gLastPar, 0, kSimParCount - 1);
  checked_ = {};
  for (int16_t i = 0; i <= last; ++i) {
    if (mCheckCount <= screenMax && (gSimPar[static_cast<size_t>(i)].Flags & kParShown)) {
      ++mCheckCount;
      checked_[static_cast<size_t>(i)] = true;
    }
  }
  mDirty = false;
  mTyped = false;
  mCurPar = -1;
  tag_.clear();
  EditParameter(DigitAt(mOrder, 1));
  mReady = true;
}

bool DataEntryForm::IsMultiplicity(int16_t i) const {
  return ValidPar(i) && (gSimPar[static_cast<size_t>(i)].Flags & kParMultiplet) != 0;
}

bool DataEntryForm::Checked(int16_t i) const {
  return ValidPar(i) && checked_[static_cast<size_t>(i)];
}

const std::string& DataEntryForm::ValueText(int16_t i) const {
  static const std::string kNone;
  return ValidPar(i) ? layout_.cells[static_cast<size_t>(i)].valueText : kNone;
}

void DataEntryForm::EditParameter(int16_t i) {
  if (i == mCurPar) return;
  // Only a value typed into the box is stored: moving on from a cell that was merely visited
  // must not round its value to the two decimals it is shown with.
  if (ValidPar(mCurPar) && mTyped) {
    StoreEditedValue(ValPoint(editText_), mCurPar, 1);
    mTyped = false;
    mDirty = true;
  }
  if (!ValidPar(i) || IsMultiplicity(i)) return;
  const ParCellLayout& cell = layout_.cells[static_cast<size_t>(i)];
  if (!cell.placed) return;
  editText_ = cell.valueText;
  mCurPar = i;
  mTyped = false;
  if (view_) view_->EditBoxMoved(mReady);
}

void DataEntryForm::StoreEditedValue(float v, int16_t i, int16_t mode) {
  if (!ValidPar(i)) return;
  SimParClamp(v, i);
  if (!IsMultiplicity(i) && (mode & 1)) {
    layout_.cells[static_cast<size_t>(i)].valueText = CommaToPoint(Format(v, "0.00"));
    if (view_) view_->ValueTextChanged(i);
  }
}

void DataEntryForm::check1_Click(int16_t i, bool ticked) {
  if (!ValidPar(i)) return;
  if (!mReady) {
    mDirty = true;
    return;
  }
  SimParRec& par = gSimPar[static_cast<size_t>(i)];
  checked_[static_cast<size_t>(i)] = ticked;
  if (ticked) {
    if (mCheckCount < owner_.ParScrnMax() + 1) {
      ++mCheckCount;
      par.Flags |= kParShown;
    } else {
      // No more rows in the main window: the tick is taken back, nothing else changes.
      checked_[static_cast<size_t>(i)] = false;
      if (view_) view_->CheckChanged(i);
    }
  } else {
    mCheckCount = static_cast<int16_t>(std::max(0, mCheckCount - 1));
    par.Flags &= ~kParShown;
  }
  EditParameter(i);
  mDirty = true;
}

void DataEntryForm::Combo1_Click(int16_t i, int16_t listIndex) {
  if (!mReady || !IsMultiplicity(i)) return;
  listIndex = std::clamp<int16_t>(listIndex, 0, kMultiplicityMax);
  layout_.cells[static_cast<size_t>(i)].listIndex = listIndex;
  if (mCurPar < 0) return;
  gSimPar[static_cast<size_t>(i)].Value = listIndex;
  mDirty = true;
}

void DataEntryForm::txtCurrPV_GotFocus() {
  if (gEditFocus != mCurPar + 100 && view_) view_->SelectAllEditText();
  gEditFocus = mCurPar;
}

int16_t DataEntryForm::txtCurrPV_KeyPress(int16_t key) {
  if (gEditFocus == mCurPar) gEditFocus = static_cast<int16_t>(mCurPar + 100);
  std::string text = CommaToPoint(editText_);
  bool moveFocus = false;
  NumericKeyFilter(key, text, &moveFocus);
  if (key != 0 || text != editText_) mTyped = true;
  editText_ = text;
  if (moveFocus) mFocusNext = true;
  mDirty = true;
  return key;
}

void DataEntryForm::txtCurrPV_UserText(const std::string& text) {
  if (text == editText_) return;
  editText_ = text;
  mTyped = true;
  mDirty = true;
}

bool DataEntryForm::TakeFocusNextRequest() {
  const bool request = mFocusNext;
  mFocusNext = false;
  return request;
}

void DataEntryForm::Form_KeyDown(int16_t, int16_t shift) { mShiftState = shift; }

void DataEntryForm::Form_KeyUp(int16_t, int16_t) { mShiftState = 0; }

int16_t DataEntryForm::TabPositions() const {
  const int16_t last = std::clamp<int16_t>(gLastPar, 0, kSimParCount - 1);
  return static_cast<int16_t>(std::min<size_t>(static_cast<size_t>(last) + 1, mOrder.size()));
}

void DataEntryForm::Form_KeyPress(int16_t key) {
  if (key != kTabKey) return;
  const int16_t positions = TabPositions();
  if (positions < 1) return;
  int16_t pos = 0;
  for (int16_t q = 1; q <= positions; ++q) {
    if (DigitAt(mOrder, q) == mCurPar) {
      pos = q;
      break;
    }
  }
  int16_t next;
  if (mShiftState == kShiftOnly) next = pos - 1 < 1 ? positions : static_cast<int16_t>(pos - 1);
  else next = pos + 1 > positions ? int16_t{1} : static_cast<int16_t>(pos + 1);
  EditParameter(DigitAt(mOrder, next));
}

void DataEntryForm::Hide() {
  if (view_) view_->HideDialog();
}

void DataEntryForm::Command3D1_Click(int16_t k) {
  switch (k) {
    case 0:
      if (mDirty) {
        EditParameter(-1);
        tag_ = "OK";
      } else {
        tag_ = "Cancel";
      }
      Hide();
      break;
    case 1:
      tag_ = "Cancel";
      Hide();
      break;
    case 2: owner_.HelpShowTopic(kDataEntryHelp); break;
    case 3:
      EditParameter(-1);
      owner_.RedisplayPars();
      break;
    default: break;
  }
}

void DataEntryForm::Form_QueryUnload(int16_t& cancel, int16_t unloadMode) {
  if (unloadMode != 0) return;
  // The frame's close button counts as OK; a value still in the edit box is not stored.
  tag_ = "OK";
  cancel = 1;
  Hide();
}

void DataEntryForm::Form_MouseUp(int16_t button) {
  if (button == kRightButton) owner_.ControlHelpPopup(kDataEntryHelp);
}

void DataEntryForm::check1_MouseUp(int16_t, int16_t button) { Form_MouseUp(button); }

void DataEntryForm::ParName_MouseUp(int16_t, int16_t button) { Form_MouseUp(button); }

void DataEntryForm::txtCurrPV_MouseUp(int16_t button) { Form_MouseUp(button); }

bool DataEntryForm::Command3D1_MouseUp(int16_t k, int16_t button) {
  if (k != 2 && k != 3) return false;
  if (button == kRightButton) owner_.ControlHelpPopup(kDataEntryButtonHelp);
  return true;
}
