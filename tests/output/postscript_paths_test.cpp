#include <functional>
#include <string>
#include <vector>

#include "tests/output/postscript_fixture.h"

namespace {

using PostScriptPaths = PostScriptFixture;

TEST_F(PostScriptPaths, SegmentsMovesAndCircles) {
  const std::vector<Case> cases = {
      {"joined segments move once",
       [](ZEF1PS& w) { w.PSXY(1, 0, 0, 10, 0); w.PSXY(1, 10, 0, 10, 10); },
       " 0 0 _m 7 0 _l 7 7 _l"},
      {"negative numbers stand after one blank",
       [](ZEF1PS& w) { w.PSXY(1, -10, -20, 10, 0); }, " -7 -14 _m 7 0 _l"},
      {"a move replaces the move before it",
       [](ZEF1PS& w) { w.PSXY(-997, 0, 0, 10, 10); w.PSXY(-997, 0, 0, 20, 20); }, " 14 14 _m"},
      {"a segment elsewhere drops the dangling move",
       [](ZEF1PS& w) { w.PSXY(-997, 0, 0, 10, 10); w.PSXY(1, 0, 0, 10, 0); },
       " 0 0 _m 7 0 _l"},
      {"a circle replaces the move before it",
       [](ZEF1PS& w) { w.PSXY(-997, 0, 0, 10, 10); w.PSXY(-996, 0, 0, 20, 0); },
       "  14  0 _m  7  0  7 0 360 arc  14  0 _m"},
      {"a move after a circle cuts its closing move",
       [](ZEF1PS& w) { w.PSXY(-996, 0, 0, 20, 0); w.PSXY(-997, 0, 0, 30, 30); },
       "  14  0 _m  7  0  7 0 360 arc  21 21 _m"},
      {"the cut reaches the blank of arc when the end is negative",
       [](ZEF1PS& w) { w.PSXY(-996, 0, 0, -20, 0); w.PSXY(-997, 0, 0, 30, 30); },
       "  0  0 _m -7  0  7 0 360 arc 21 21 _m"},
      {"a segment from the circle's end draws on",
       [](ZEF1PS& w) { w.PSXY(-996, 0, 0, 20, 0); w.PSXY(1, 20, 0, 20, 10); },
       "  14  0 _m  7  0  7 0 360 arc  14  0 _m 14 7 _l"},
      {"pen code -1 emits nothing and keeps the position",
       [](ZEF1PS& w) { w.PSXY(1, 0, 0, 10, 0); w.PSXY(-1, 50, 50, 60, 60); w.PSXY(1, 10, 0, 20, 0); },
       " 0 0 _m 7 0 _l 14 0 _l"},
      {"an improper pen code emits nothing and keeps the position",
       [](ZEF1PS& w) { w.PSXY(1, 0, 0, 10, 0); w.PSXY(5, 50, 50, 60, 60); w.PSXY(1, 10, 0, 20, 0); },
       " 0 0 _m 7 0 _l 14 0 _l"},
      {"a circle of a squared diameter beyond 32 bits",
       [](ZEF1PS& w) { w.PSXY(-996, -1000000000, 0, 1000000000, 0); },
       "  699999988  0 _m  0  0  699999988 0 360 arc  699999988  0 _m"},
  };
  RunCases(cases, 7026);
  ASSERT_EQ(boxes.count(), 1u);
  EXPECT_EQ(boxes.last().text, "Improper call to PSXY: pp% = [ 5]");
  EXPECT_EQ(boxes.last().title, DefaultMsgBoxTitle());
}

TEST_F(PostScriptPaths, ClampsACoordinateThatLeavesTheRange) {
  writer.PSHeader("", -2000000000.0f, 0.0f, 0.0f, 100.0f);
  const size_t h = writer.Buffer().size();
  writer.PSXY(-997, 0, 0, 2000000000, 0);
  EXPECT_EQ(Body(h), " 2147483647 0 _m");
}

TEST_F(PostScriptPaths, CoordinatesRoundHalvesToEven) {
  Pardata[35].Default = 0.5f;
  const size_t h = StartDocument();
  writer.PSXY(1, 5, 7, -5, -7);
  EXPECT_EQ(Body(h), " 2 4 _m -2 -4 _l");
}

TEST_F(PostScriptPaths, PolylinesByMode) {
  auto square = [](int16_t flush) {
    return [flush](ZEF1PS& w) {
      w.PSPolyline(0.0f, 0.0f, 1);
      w.PSPolyline(10.0f, 0.0f, 2);
      w.PSPolyline(10.0f, 10.0f, 2);
      w.PSPolyline(0.0f, 10.0f, 2);
      w.PSPolyline(0.0f, 0.0f, 2);
      w.PSPolyline(0.0f, 0.0f, flush);
    };
  };
  const std::vector<Case> cases = {
      {"mode 8 fills", square(8), " _fillon 0 0 _m 7 0 _l 7 7 _l 0 7 _l 0 0 _l _filloff"},
      {"mode 4 strokes", square(4), " 0 0 _m 7 0 _l 7 7 _l 0 7 _l 0 0 _l"},
      {"mode 0x10 alone closes only", square(0x10), " 0 0 _m 7 0 _l 7 7 _l 0 7 _l 0 0 _l _filloff"},
      {"mode 24 closes only", square(24), " 0 0 _m 7 0 _l 7 7 _l 0 7 _l 0 0 _l _filloff"},
      {"a flush without added points emits nothing",
       [](ZEF1PS& w) { w.PSPolyline(5.0f, 5.0f, 1); w.PSPolyline(0.0f, 0.0f, 8); }, ""},
      {"a second flush emits nothing", [&](ZEF1PS& w) { square(4)(w); w.PSPolyline(0, 0, 8); },
       " 0 0 _m 7 0 _l 7 7 _l 0 7 _l 0 0 _l"},
      {"points round halves to even", [](ZEF1PS& w) {
         w.PSPolyline(2.5f, 0.0f, 1); w.PSPolyline(3.5f, 0.0f, 2); w.PSPolyline(0, 0, 4); },
       " 1 0 _m 3 0 _l"},
  };
  RunCases(cases, 7014);
}

TEST_F(PostScriptPaths, LongPolylinesGrowTheirArrays) {
  const size_t h = StartDocument();
  writer.PSPolyline(0.0f, 0.0f, 1);
  for (int i = 1; i <= 5000; ++i) writer.PSPolyline(float(i), float(i % 7), 2);
  writer.PSPolyline(0.0f, 0.0f, 4);
  const std::string body = Body(h);
  size_t lines = 0;
  for (size_t at = body.find(" _l"); at != std::string::npos; at = body.find(" _l", at + 1))
    ++lines;
  EXPECT_EQ(lines, 5000u);
  EXPECT_EQ(body.substr(body.size() - 10), " 3500 1 _l");
}

}  // namespace
