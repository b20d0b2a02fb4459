#include "drawlib/steps/step_list.h"

#include "drawlib/device/world_window.h"
#include "drawlib/pending_events.h"
#include "drawlib/steps/output_switch.h"
#include "tests/drawlib/drawlib_state.h"

namespace {

using StepListTest = DrawlibState;

TEST_F(StepListTest, StepCreateStopsAt1499Steps) {
  for (int i = 1; i <= 1499; ++i) {
    ASSERT_EQ(StepCreate(1, float(i), 0, "", std::monostate{}), i);
  }
  EXPECT_EQ(StepCreate(2, -1, -1, "late", std::monostate{}), 1499);
  EXPECT_EQ(StepCount, 1499);
  EXPECT_EQ(StepList.StepType[1500], 0);
  EXPECT_TRUE(StepList.Text[1500].empty());
  EXPECT_TRUE(boxes.empty());
}

TEST_F(StepListTest, MovesCollapseButNeverOverwriteDrawnPointsOrLabels) {
  // A move and a line: two steps.
  StepAddPoint(0, 0, 1, 1, 0);
  StepAddPoint(0, 0, 2, 2, 5);
  ASSERT_EQ(StepCount, 2);
  // Two moves after the drawn point: the first appends, the second replaces it.
  StepAddPoint(0, 0, 3, 3, 0);
  EXPECT_EQ(StepAddPoint(0, 0, 4, 4, 0), 3);
  EXPECT_EQ(StepList.X[3], 4.0f);
  EXPECT_EQ(StepList.X[2], 2.0f);
  EXPECT_EQ(PenPosition.x, 4.0f);
  // A move after a label with text appends.
  StepCreate(kStepLabel, 9, 9, "T > x", std::monostate{});
  EXPECT_EQ(StepAddPoint(0, 0, 5, 5, 0), 5);
  EXPECT_EQ(StepList.Text[4], "T > x");
}

TEST_F(StepListTest, MoveAfterASingleDrawnFirstStepAppends) {
  StepCreate(3, 1, 1, "", std::monostate{});
  EXPECT_EQ(StepAddPoint(0, 0, 7, 7, 0), 2);
  EXPECT_EQ(StepList.X[1], 1.0f);
  // A single first step that is a move is replaced.
  StepListReset();
  StepAddPoint(0, 0, 1, 1, 0);
  EXPECT_EQ(StepAddPoint(0, 0, 2, 2, 0), 1);
  EXPECT_EQ(StepList.X[1], 2.0f);
}

TEST_F(StepListTest, ShiftAndMarkPoints) {
  StepCreate(1, 0, 0, "", std::monostate{});
  StepCreate(1, 10, 10, "", std::monostate{});
  StepCreate(1, 21, 5, "", std::monostate{});
  StepsShift(2, 1, -1);
  EXPECT_EQ(StepList.X[1], 0.0f);
  EXPECT_EQ(StepList.X[2], 11.0f);
  EXPECT_EQ(StepList.Y[3], 4.0f);
  StepShift(-3, 1, 1);  // outside the list: ignored
  StepShift(1600, 1, 1);

  std::vector<int16_t> marks(10, 7);
  // Rectangle 1..20 x 1..20 with margin 2: the point at x = 22 lies 2 outside (not inside),
  // the point at the origin 1 outside (inside).
  EXPECT_TRUE(FunMarkPointinRect(marks, 1, 1, 20, 20, 2));
  EXPECT_EQ(marks[0], 0);
  EXPECT_EQ(marks[1], 1);
  EXPECT_EQ(marks[2], 1);
  EXPECT_EQ(marks[3], 0);
  EXPECT_FALSE(FunMarkPointinRect(marks, 100, 100, 200, 200, 0));

  std::vector<int16_t> tooShort(3, 7);
  EXPECT_FALSE(FunMarkPointinRect(tooShort, 1, 1, 20, 20, 2));
  EXPECT_EQ(tooShort[0], 0);
  EXPECT_EQ(tooShort[1], 7);
  ASSERT_EQ(boxes.count(), 1u);
  EXPECT_EQ(boxes.last().text,
            "Internal Error in FunMarkPointinRect - InBox dimension too low. Operation failed.");
  EXPECT_EQ(boxes.last().style, vbCritical);
}

int gEventRuns = 0;
void EventThatZooms() {
  ++gEventRuns;
  WorldWindow.zoom = 9;
}

TEST_F(StepListTest, OutputObjectSelectShiftAndRestore) {
  WorldWindow.zoom = 1.5f;
  WorldWindow.panX = 10;
  WorldWindow.panY = -20;
  SetPendingEventsHandler(&EventThatZooms);
  int16_t flags = 1;
  SetOutputObject(nullptr, nullptr, 2.0f, 0, 0, flags);
  EXPECT_EQ(WorldWindow.zoom, 2.0f);
  EXPECT_EQ(WorldWindow.panX, 0.0f);
  flags = 2;
  SetOutputObject(nullptr, nullptr, 0, 3, 4, flags);
  EXPECT_EQ(WorldWindow.zoom, 2.0f);
  flags = 0;
  SetOutputObject(nullptr, nullptr, 0, 0, 0, flags);
  SetPendingEventsHandler(nullptr);
  EXPECT_EQ(gEventRuns, 2);
  // The state saved before events ran comes back, moved by the shift.
  EXPECT_EQ(WorldWindow.zoom, 1.5f);
  EXPECT_EQ(WorldWindow.panX, 13.0f);
  EXPECT_EQ(WorldWindow.panY, -16.0f);

  // Slot B is separate from slot A.
  flags = 1 | 16;
  SetOutputObject(nullptr, nullptr, 4.0f, 0, 0, flags);
  flags = 1;
  SetOutputObject(nullptr, nullptr, 5.0f, 0, 0, flags);
  flags = 16;
  SetOutputObject(nullptr, nullptr, 0, 0, 0, flags);
  EXPECT_EQ(WorldWindow.zoom, 1.5f);
  flags = 0;
  SetOutputObject(nullptr, nullptr, 0, 0, 0, flags);
  EXPECT_EQ(WorldWindow.zoom, 4.0f);
}

}  // namespace
