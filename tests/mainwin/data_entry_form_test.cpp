// The parameter dialog's logic: what OK, Cancel, Apply and the frame close hand back, which
// edits reach gSimPar, the limit on ticked boxes, the multiplicity lists, Tab and help.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "engine/engine_globals.h"
#include "engine/sim_catalogue.h"
#include "mainwin/data_entry_form.h"
#include "tests/mainwin/current_type_fixture.h"

namespace {

class FakeOwner : public DataEntryOwner {
 public:
  int16_t ParScrnMax() override { return screenMax; }
  void RedisplayPars() override { ++redisplays; }
  void HelpShowTopic(int32_t id) override { topics.push_back(id); }
  void ControlHelpPopup(int32_t id) override { popups.push_back(id); }
  int16_t screenMax = 13;
  int redisplays = 0;
  std::vector<int32_t> topics, popups;
};

class FakeView : public DataEntryView {
 public:
  void CheckChanged(int16_t i) override { checks.push_back(i); }
  void ValueTextChanged(int16_t) override {}
  void EditBoxMoved(bool) override { ++moves; }
  void SelectAllEditText() override { ++selects; }
  void HideDialog() override { ++hides; }
  std::vector<int16_t> checks;
  int moves = 0, selects = 0, hides = 0;
};

class DataEntryFormTest : public CurrentTypeTest {
 protected:
  // The type at its defaults as the current type, and the dialog built for it.
  void Open(int16_t type) {
    gSimTypes[static_cast<size_t>(type)].LastPar = 0;  // set up afresh
    SelectType(type);
    form.SetView(&view);
    form.Form_Load();
  }
  // Types a text into the edit box key by key.
  void Type(const std::string& keys) {
    for (char c : keys) {
      const int16_t out = form.txtCurrPV_KeyPress(static_cast<int16_t>(c));
      if (out == 0) continue;
      std::string text = form.EditText();
      if (out == 8) {
        if (!text.empty()) text.pop_back();
      } else {
        text += static_cast<char>(out);
      }
      form.txtCurrPV_UserText(text);
    }
  }
  int16_t OrderPar(int position) const {
    return static_cast<int16_t>(Trim(gSimTypes[static_cast<size_t>(gSimType)].Order)[static_cast<size_t>(position - 1)] - '0');
  }
  static std::string Trim(const std::string& s) {
    const size_t a = s.find_first_not_of(' '), b = s.find_last_not_of(' ');
    return a == std::string::npos ? "" : s.substr(a, b - a + 1);
  }
  float Value(int16_t p) const { return gSimPar[static_cast<size_t>(p)].Value; }

  FakeOwner owner;
  FakeView view;
  DataEntryForm form{owner};
};

TEST_F(DataEntryFormTest, OnlyTypedValuesAreStoredAndOkWithoutChangeIsCancel) {
  Open(9);
  const int16_t first = OrderPar(1);
  EXPECT_EQ(form.CurPar(), first);
  // A value with more decimals than its cell shows survives clicking through the cells.
  gSimPar[3].Value = 6.1234f;
  for (int16_t p = 0; p <= gLastPar; ++p) form.ParVal_Click(p);
  form.ParVal_Click(3);
  form.ParVal_Click(first);
  EXPECT_FLOAT_EQ(Value(3), 6.1234f);
  form.Command3D1_Click(0);
  EXPECT_EQ(form.Tag(), "Cancel");
  EXPECT_EQ(view.hides, 1);

  // Typed, then another cell clicked: stored and shown with two decimals.
  Open(9);
  form.ParVal_Click(3);
  form.txtCurrPV_GotFocus();
  Type("\b\b\b\b\b\b7.257");
  EXPECT_EQ(form.EditText(), "7.257");
  form.ParVal_Click(4);
  EXPECT_FLOAT_EQ(Value(3), 7.257f);
  EXPECT_EQ(form.ValueText(3), "7.26");
  form.Command3D1_Click(0);
  EXPECT_EQ(form.Tag(), "OK");
}

TEST_F(DataEntryFormTest, OkStoresTheEditBoxAndTheFrameCloseDropsIt) {
  Open(2);
  const int16_t p = form.CurPar();
  const float before = Value(p);
  Type("\b\b\b\b\b\b\b\b\b\b42");
  int16_t cancel = 0;
  form.Form_QueryUnload(cancel, 0);
  EXPECT_EQ(cancel, 1);
  EXPECT_EQ(form.Tag(), "OK");
  EXPECT_FLOAT_EQ(Value(p), before);

  Open(2);
  Type("\b\b\b\b\b\b\b\b\b\b42");
  form.Command3D1_Click(0);
  EXPECT_EQ(form.Tag(), "OK");
  EXPECT_FLOAT_EQ(Value(form.CurPar()), 42.0f);

  // Esc and Cancel: "Cancel", whatever was typed.
  Open(2);
  Type("5");
  form.EscapePressed();
  EXPECT_EQ(form.Tag(), "Cancel");
  // Closing for another reason than the frame's button is left alone.
  Open(2);
  cancel = 0;
  form.Form_QueryUnload(cancel, 1);
  EXPECT_EQ(cancel, 0);
  EXPECT_EQ(form.Tag(), "");
}

TEST_F(DataEntryFormTest, ApplyStoresAndRedisplaysAndTheDialogStays) {
  Open(2);
  const int16_t p = form.CurPar();
  Type("\b\b\b\b\b\b\b\b\b\b42");
  form.Command3D1_Click(3);
  EXPECT_EQ(owner.redisplays, 1);
  EXPECT_EQ(view.hides, 0);
  EXPECT_FLOAT_EQ(Value(p), 42.0f);
}

TEST_F(DataEntryFormTest, NoMoreTicksThanMainWindowRows) {
  Open(39);
  owner.screenMax = 13;
  ASSERT_GT(gLastPar, 16);
  for (int16_t i = 0; i <= gLastPar && form.CheckCount() < 14; ++i)
    if (!form.Checked(i)) form.check1_Click(i, true);
  ASSERT_EQ(form.CheckCount(), 14);
  int16_t spare = 0;
  while (form.Checked(spare)) ++spare;
  const int32_t flags = gSimPar[static_cast<size_t>(spare)].Flags;
  view.checks.clear();
  form.check1_Click(spare, true);
  EXPECT_FALSE(form.Checked(spare));
  EXPECT_EQ(view.checks, std::vector<int16_t>{spare});
  EXPECT_EQ(gSimPar[static_cast<size_t>(spare)].Flags, flags);
  EXPECT_EQ(form.CheckCount(), 14);
  // Clearing one frees a row.
  int16_t ticked = 0;
  while (!form.Checked(ticked)) ++ticked;
  form.check1_Click(ticked, false);
  EXPECT_EQ(form.CheckCount(), 13);
  EXPECT_FALSE(gSimPar[static_cast<size_t>(ticked)].Flags & kParShown);
  form.check1_Click(spare, true);
  EXPECT_TRUE(form.Checked(spare));
  EXPECT_TRUE(gSimPar[static_cast<size_t>(spare)].Flags & kParShown);
  EXPECT_EQ(form.CheckCount(), 14);
}

TEST_F(DataEntryFormTest, MultiplicitiesAreListIndexesStoredWithoutClamping) {
  Open(14);
  int16_t mult = 0;
  while (!(gSimPar[static_cast<size_t>(mult)].Flags & kParMultiplet)) ++mult;
  // The edit box never goes onto a list.
  const int16_t cur = form.CurPar();
  form.ParVal_Click(mult);
  EXPECT_EQ(form.CurPar(), cur);
  gSimPar[static_cast<size_t>(mult)].Max = 3;  // a choice is not clamped to the limits
  for (auto [chosen, stored] : {std::pair<int16_t, float>{10, 10.0f}, {0, 0.0f}, {14, 10.0f}}) {
    form.Combo1_Click(mult, chosen);
    EXPECT_FLOAT_EQ(Value(mult), stored) << chosen;
  }
  EXPECT_TRUE(form.Dirty());
  // Before the dialog is built a list event changes nothing.
  DataEntryForm unbuilt(owner);
  unbuilt.Combo1_Click(mult, 2);
  EXPECT_FLOAT_EQ(Value(mult), 10.0f);
}

TEST_F(DataEntryFormTest, TabWalksTheTypesOrderPositionsOnly) {
  Open(9);
  const std::string order = Trim(gSimTypes[9].Order);
  const int positions = gLastPar + 1;
  ASSERT_EQ(static_cast<int>(order.size()), positions);
  gSimTypes[9].Order = order + "5";  // a position beyond the type's parameters
  form.Form_Load();
  for (int q = 2; q <= positions; ++q) {
    form.Form_KeyPress(9);
    EXPECT_EQ(form.CurPar(), OrderPar(q)) << q;
  }
  form.Form_KeyPress(9);
  EXPECT_EQ(form.CurPar(), OrderPar(1));
  form.Form_KeyDown(9, 1);
  form.Form_KeyPress(9);
  EXPECT_EQ(form.CurPar(), OrderPar(positions));
  form.Form_KeyPress(9);
  EXPECT_EQ(form.CurPar(), OrderPar(positions - 1));
  form.Form_KeyUp(9, 0);
  form.Form_KeyPress(9);
  EXPECT_EQ(form.CurPar(), OrderPar(positions));
}

TEST_F(DataEntryFormTest, EditBoxKeysAndHelp) {
  Open(2);
  // The first key of a new entry keeps the caret; refocusing after typing does not select.
  form.txtCurrPV_GotFocus();
  EXPECT_EQ(view.selects, 1);
  Type("x");
  form.txtCurrPV_GotFocus();
  EXPECT_EQ(view.selects, 1);
  Type("\b\b\b\b\b\b\b\b\b\b12.5");
  EXPECT_EQ(form.txtCurrPV_KeyPress('-'), 0);
  EXPECT_EQ(form.EditText(), "-12.5");
  EXPECT_EQ(form.txtCurrPV_KeyPress(13), 0);
  EXPECT_TRUE(form.TakeFocusNextRequest());
  EXPECT_FALSE(form.TakeFocusNextRequest());

  form.Command3D1_Click(2);
  EXPECT_EQ(owner.topics, std::vector<int32_t>{82});
  EXPECT_EQ(view.hides, 0);
  form.Form_MouseUp(2);
  form.check1_MouseUp(0, 2);
  form.ParName_MouseUp(1, 2);
  form.txtCurrPV_MouseUp(2);
  form.txtCurrPV_MouseUp(1);
  EXPECT_EQ(owner.popups, (std::vector<int32_t>{82, 82, 82, 82}));
}

}  // namespace
