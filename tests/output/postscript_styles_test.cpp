#include <functional>
#include <string>
#include <vector>

#include "tests/output/postscript_fixture.h"

namespace {

using PostScriptStyles = PostScriptFixture;

TEST_F(PostScriptStyles, Colours) {
  RunCases({
      {"black", [](ZEF1PS& w) { w.PSColor(0); }, " [0 0 0] _color"},
      {"white", [](ZEF1PS& w) { w.PSColor(0xFFFFFF); }, " [1 1 1] _color"},
      {"red in the low byte", [](ZEF1PS& w) { w.PSColor(0x0000FF); }, " [1 0 0] _color"},
      {"three decimals", [](ZEF1PS& w) { w.PSColor(0x804020); }, " [0.125 0.251 0.502] _color"},
      {"the same colour once", [](ZEF1PS& w) { w.PSColor(0xFF); w.PSColor(0xFF); },
       " [1 0 0] _color"},
      {"an unused colour is replaced, its blank kept",
       [](ZEF1PS& w) { w.PSColor(0xFF); w.PSColor(0xFF00); }, "  [0 1 0] _color"},
      {"a used colour stays",
       [](ZEF1PS& w) { w.PSColor(0xFF); w.PSXY(1, 0, 0, 10, 0); w.PSColor(0xFF00); },
       " [1 0 0] _color 0 0 _m 7 0 _l [0 1 0] _color"},
  });
  EXPECT_EQ(ErrorLocation, 7002);
}

TEST_F(PostScriptStyles, TheHeaderForgetsTheLastColour) {
  writer.PSColor(0xFF);
  writer.PSHeader("", 0.0f, 0.0f, 100.0f, 100.0f);
  const size_t h = writer.Buffer().size();
  writer.PSColor(0xFF);
  EXPECT_EQ(writer.Buffer().substr(h), " [1 0 0] _color");
}

TEST_F(PostScriptStyles, FontsWidthsDirectionsAndToggles) {
  RunCases({
      {"font 3 is Helvetica", [](ZEF1PS& w) { w.PSFont("Arial", 100, 140, 3); },
       " 70 98 _sety /Helvetica _font"},
      {"fonts 0, 4 and 14 are Times, sizes round halves away",
       [](ZEF1PS& w) { w.PSFont("", 5, 15, 0); w.PSFont("", 5, 15, 4); w.PSFont("", 5, 15, 14); },
       " 4 11 _sety /Times _font 4 11 _sety /Times _font 4 11 _sety /Times _font"},
      {"line widths stand after a blank",
       [](ZEF1PS& w) { w.PSXY(1, 0, 0, 10, 0); w.PSLineWidth(-5); w.PSLineWidth(12); },
       " 0 0 _m 7 0 _l -5 _setlnwdth 12 _setlnwdth"},
      {"directions round halves to even and stand after a blank",
       [](ZEF1PS& w) { w.PSDirection(30); w.PSDirection(2.5f); w.PSDirection(-90); },
       " 30 _direction 2 _direction -90 _direction"},
      {"bold by mode 1 only", [](ZEF1PS& w) {
         w.PSBoldToggle(true, 1); w.PSBoldToggle(false, 1);
         w.PSBoldToggle(true, 0); w.PSBoldToggle(true, 2); },
       " (\\021) _setpar (\\022) _setpar"},
      {"italic by mode 1 only", [](ZEF1PS& w) {
         w.PSItalicToggle(true, 1); w.PSItalicToggle(false, 1);
         w.PSItalicToggle(false, 0); w.PSItalicToggle(true, 2); },
       " (\\017) _setpar (\\020) _setpar"},
  });
}

TEST_F(PostScriptStyles, ExitIds) {
  const std::vector<std::pair<std::function<void()>, int16_t>> calls = {
      {[&] { writer.PSFont("", 1, 1, 3); }, 7004},
      {[&] { writer.PSBoldToggle(true, 1); }, 7022},
      {[&] { writer.PSItalicToggle(true, 1); }, 7024},
      {[&] { writer.PSDropMoveto(); }, 7028},
  };
  for (const auto& [call, id] : calls) {
    ErrorLocation = 0;
    call();
    EXPECT_EQ(ErrorLocation, id);
  }
}

}  // namespace
