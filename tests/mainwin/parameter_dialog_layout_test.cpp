// The parameter dialog's geometry: the coupling matrix of the spin types, the grid columns of
// the multiplet types, the buttons under the last row, and order texts that name no parameter.
#include <gtest/gtest.h>

#include <algorithm>

#include "engine/engine_globals.h"
#include "engine/sim_catalogue.h"
#include "mainwin/parameter_dialog_layout.h"
#include "platform/beep.h"
#include "tests/mainwin/current_type_fixture.h"

namespace {

int gBeeps = 0;

class ParameterDialogLayoutTest : public CurrentTypeTest {
 protected:
  void SetUp() override {
    CurrentTypeTest::SetUp();
    gBeeps = 0;
    SetBeepHandler([] { ++gBeeps; });
  }
  void TearDown() override {
    SetBeepHandler(nullptr);
    CurrentTypeTest::TearDown();
  }
  // The input of a type at its defaults.
  static ParameterDialogInput InputFor(int16_t type) {
    SimTypeRec rec;
    SimTypeSetup(rec, type);
    ParameterDialogInput in;
    in.simType = type;
    in.order = rec.Order;
    in.lastPar = rec.LastPar;
    in.numSpins = rec.SpinCount;
    in.spins = rec.Spins;
    in.pars = rec.Par;
    return in;
  }
  static bool HasText(const ParameterDialogLayout& l, int32_t left, int32_t top,
                      const std::string& text) {
    return std::any_of(l.texts.begin(), l.texts.end(), [&](const DialogText& t) {
      return t.left == left && t.top == top && t.text == text;
    });
  }
};

TEST_F(ParameterDialogLayoutTest, AbxHasAThreeSpinMatrixAboveTheGrid) {
  ParameterDialogInput in = InputFor(9);
  in.pars[3].Value = -12.5f;
  const ParameterDialogLayout l = LayoutParameterDialog(in);
  ASSERT_TRUE(l.matrix);
  EXPECT_EQ(l.matrixHeader, (TwipsRect{170, 690, 3960, 400}));
  EXPECT_EQ(l.matrixBody, (TwipsRect{170, 1140, 3960, 700}));
  // Column headings from the markers' letters, the row titles.
  EXPECT_TRUE(HasText(l, 226, 450, "y = "));
  EXPECT_TRUE(HasText(l, 1292, 450, "1 (A)"));
  EXPECT_TRUE(HasText(l, 2356, 450, "2 (B)"));
  EXPECT_TRUE(HasText(l, 3422, 450, "3 (X)"));
  EXPECT_TRUE(HasText(l, 226, 770, "Shift(y):"));
  EXPECT_TRUE(HasText(l, 226, 1200, "Coupling:"));
  EXPECT_TRUE(HasText(l, 1185, 1200, "J(1, y)"));
  EXPECT_TRUE(HasText(l, 1185, 1500, "J(2, y)"));
  EXPECT_EQ(l.texts.size(), 8u);
  // The shifts in row 0, J(1,2) and J(1,3) in row 1, J(2,3) in row 2; couplings red.
  struct Cell { int p, left, top, checkLeft, checkTop; bool red; };
  for (const Cell& c : {Cell{0, 1185, 750, 940, 774, false}, Cell{1, 2250, 750, 2005, 774, false},
                        Cell{2, 3315, 750, 3070, 774, false}, Cell{3, 2250, 1200, 2005, 1224, true},
                        Cell{4, 3315, 1200, 3070, 1224, true}, Cell{5, 3315, 1500, 3070, 1524, true}}) {
    const ParCellLayout& cell = l.cells[static_cast<size_t>(c.p)];
    SCOPED_TRACE(c.p);
    EXPECT_TRUE(cell.inMatrix);
    EXPECT_EQ(cell.value.left, c.left);
    EXPECT_EQ(cell.value.top, c.top);
    EXPECT_EQ(cell.check.left, c.checkLeft);
    EXPECT_EQ(cell.check.top, c.checkTop);
    EXPECT_EQ(cell.red, c.red);
  }
  EXPECT_EQ(l.cells[3].valueText, "-12.500");
  // The grid starts with order position 7 at 3 x 300 + 1100 twips, three to a row.
  EXPECT_EQ(l.firstGridPosition, 6);
  EXPECT_EQ(l.gridTop, 2000);
  const int16_t first = static_cast<int16_t>(in.order[6] - '0');
  const ParCellLayout& cell = l.cells[static_cast<size_t>(first)];
  EXPECT_FALSE(cell.inMatrix);
  EXPECT_EQ(cell.frame, (TwipsRect{150, 2000, 1815, 435}));
  EXPECT_EQ(cell.check.left, 255);
  EXPECT_EQ(cell.check.top, 2120);
  EXPECT_EQ(cell.value.left, 510);
  EXPECT_EQ(cell.value.top, 2090);
  EXPECT_EQ(cell.name.left, 1290);
  EXPECT_EQ(cell.name.top, 2135);
  const int16_t fourth = static_cast<int16_t>(in.order[9] - '0');
  EXPECT_EQ(l.cells[static_cast<size_t>(fourth)].frame.top, 2480);
  EXPECT_EQ(l.width, 8580);
  for (int p = 0; p <= in.lastPar; ++p) EXPECT_TRUE(l.cells[static_cast<size_t>(p)].placed) << p;
  EXPECT_EQ(gBeeps, 0);
}

TEST_F(ParameterDialogLayoutTest, ColumnsAndWidthByType) {
  struct Case { int16_t type; int16_t columns; int32_t width; };
  for (const Case& c : {Case{14, 5, 9600}, Case{39, 6, 11460}, Case{2, 3, 8580}, Case{13, 3, 8580}}) {
    SCOPED_TRACE(c.type);
    const ParameterDialogInput in = InputFor(c.type);
    const ParameterDialogLayout l = LayoutParameterDialog(in);
    EXPECT_FALSE(l.matrix);
    EXPECT_EQ(l.columns, c.columns);
    EXPECT_EQ(l.width, c.width);
    EXPECT_EQ(l.gridTop, 300);
    // Position k of the order text sits in column k mod c of row k div c.
    int32_t lowest = 0;
    for (int k = 0; k <= in.lastPar; ++k) {
      const ParCellLayout& cell = l.cells[static_cast<size_t>(in.order[static_cast<size_t>(k)] - '0')];
      ASSERT_TRUE(cell.placed) << k;
      EXPECT_EQ(cell.frame.left, (k % c.columns) * 1860 + 150) << k;
      EXPECT_EQ(cell.frame.top, (k / c.columns) * 480 + 300) << k;
      EXPECT_LE(cell.frame.left + cell.frame.width, l.width - kDialogFrameWidth) << k;
      lowest = std::max(lowest, cell.frame.top);
    }
    // Buttons one row pitch under the lowest row; the window 500 twips below them.
    for (const TwipsRect& b : l.buttons) EXPECT_EQ(b.top, lowest + 480);
    EXPECT_EQ(l.height, std::max(lowest + 1100, lowest + 480 + kDialogButtonHeight + 500));
    EXPECT_LT(l.buttons[0].left + l.buttons[0].width, l.buttons[1].left);
    EXPECT_LE(l.buttons[3].left + l.buttons[3].width, l.width - kDialogFrameWidth);
  }
}

TEST_F(ParameterDialogLayoutTest, MultiplicitiesGetAListAndTheNameMovesRight) {
  ParameterDialogInput in = InputFor(14);
  const auto mult = std::find_if(in.pars.begin(), in.pars.begin() + in.lastPar + 1,
                                 [](const SimParRec& p) { return p.Flags & kParMultiplet; });
  ASSERT_NE(mult, in.pars.begin() + in.lastPar + 1);
  const size_t p = static_cast<size_t>(mult - in.pars.begin());
  for (auto [value, index] : {std::pair{3.0f, 3}, {2.5f, 2}, {12.0f, 10}, {-1.0f, 0}}) {
    in.pars[p].Value = value;
    const ParCellLayout cell = LayoutParameterDialog(in).cells[p];
    EXPECT_TRUE(cell.multiplicity);
    EXPECT_EQ(cell.listIndex, index) << value;
    EXPECT_EQ(cell.value.left - cell.frame.left, 360);
    EXPECT_EQ(cell.value.top - cell.frame.top, 60);
    EXPECT_EQ(cell.name.left - cell.frame.left, 1305);
  }
}

TEST_F(ParameterDialogLayoutTest, OrderPositionsThatNameNoParameterAreSkipped) {
  ParameterDialogInput in = InputFor(2);
  in.lastPar = 3;
  in.order = "1\x7f" "1";  // 1, beyond the table, 1 again; position 4 missing
  const ParameterDialogLayout l = LayoutParameterDialog(in);
  EXPECT_TRUE(l.cells[1].placed);
  EXPECT_EQ(l.cells[1].frame.left, 150);
  EXPECT_EQ(std::count_if(l.cells.begin(), l.cells.end(), [](const ParCellLayout& c) { return c.placed; }), 1);
}

TEST_F(ParameterDialogLayoutTest, CouplingCountsAndTheBeep) {
  const int16_t expected[] = {1, 3, 6, 10, 15, 21, 28};
  for (int16_t k = 1; k <= 7; ++k) EXPECT_EQ(CouplingCount(k), expected[k - 1]);
  EXPECT_EQ(gBeeps, 0);
  for (int16_t k : {0, 8, -1}) EXPECT_EQ(CouplingCount(k), 0);
  EXPECT_EQ(gBeeps, 3);
}

}  // namespace
