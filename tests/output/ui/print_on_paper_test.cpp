// A plot printed on the PDF-file printer with a narrow spectrum box, then rebuilt with a box
// nearly as wide as the paper at the print scale and printed again: the second page, rasterised
// by pdftoppm, shows the whole plot inside the paper, the right end of its axis and trace
// included, and as wide as the box asks for.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>

#include "drawlib/params_apply.h"
#include "drawlib/pardata.h"
#include "output/output_printer.h"
#include "output/print_with_preview.h"
#include "output/ui/frm_pref1.h"
#include "output/ui/output_dialogs.h"
#include "output/ui/qt_output_printer.h"
#include "output/ui/zef1_prev.h"
#include "tests/output/ui/export_fixture.h"
#include "tests/support/ppm_raster.h"

namespace {

constexpr float kMM = 40.2f;

class PrintOnPaper : public PrintedPlotTest {
 protected:
  // Prints the current drawing to a PDF file and rasterises it at 96 dpi.
  Raster Print(const std::string& name) {
    const std::string pdf = folder_.File(name);
    dialogs.answers.push_back(pdf);
    PrintCurrentPage();
    Shell("pdftoppm -r 96 " + pdf + " > " + pdf + ".ppm");
    return LoadPpm(pdf + ".ppm");
  }
};

// The leftmost and rightmost inked columns above the footer line.
std::pair<int, int> InkColumns(const Raster& page) {
  int left = page.width, right = -1;
  for (int y = 0; y < page.height * 3 / 4; ++y)
    for (int x = 0; x < page.width; ++x)
      if (page.Ink(x, y)) left = std::min(left, x), right = std::max(right, x);
  return {left, right};
}

TEST_F(PrintOnPaper, APlotWidenedAfterPrintingPrintsWholeOnThePaper) {
  for (const float scale : {0.7f, 1.0f}) {
    SCOPED_TRACE(scale);
    Pardata[35].Default = scale;
    int16_t mode = kApplyToLibrary | kApplyNoPrinter;
    ParamsApply(std::string(1, char(35)), mode);
    StepCount = 0;
    StepList.X[1] = StepList.Y[1] = 0;
    gPrintBoxWidth = 50 * kMM;
    CreateSimPlot(0);
    ASSERT_GT(Print("narrow.pdf").width, 0);
    // 196 mm where the paper holds it at this scale, else a box 8 mm narrower than the paper.
    const float paperMM = (PrintableRect.right - PrintableRect.left) / kMM;
    const float boxMM = std::min(196.0f, paperMM - 8);
    gPrintBoxWidth = boxMM * kMM;
    CreateSimPlot(0);
    const Raster page = Print("wide.pdf");
    ASSERT_GT(page.width, 0);
    const auto [left, right] = InkColumns(page);
    ASSERT_GE(right, 0);
    // Nothing reaches the paper's edges: the plot is not cut off.
    EXPECT_GT(left, 0);
    EXPECT_LT(right, page.width - 1);
    // The frame alone is the box width less the side margins, printed at the scale.
    const float framePixels = (boxMM - 2 * Pardata[96].Default) * scale * 96 / 25.4f;
    EXPECT_GE(right - left, framePixels);
  }
}

// As a user does it: the box widened to 196 mm in the layout dialog of the print preview at
// print scale 0.7, then Print.
TEST_F(PrintOnPaper, ABoxWidenedInTheLayoutDialogPrintsWholeOnThePaper) {
  Pardata[35].Default = 0.7f;
  int16_t mode = kApplyToLibrary | kApplyNoPrinter;
  ParamsApply(std::string(1, char(35)), mode);
  gPrintBoxWidth = 50 * kMM;
  CreateSimPlot(0);
  ASSERT_GT(Print("narrow.pdf").width, 0);
  const std::string pdf = folder_.File("wide.pdf");
  dialogs.answers.push_back(pdf);
  QTimer::singleShot(0, [] {
    auto* preview = dynamic_cast<Zef1Prev*>(QApplication::activeModalWidget());
    ASSERT_NE(preview, nullptr);
    QTimer::singleShot(0, [] {
      auto* layout = dynamic_cast<frmPref1*>(QApplication::activeModalWidget());
      ASSERT_NE(layout, nullptr);
      layout->txtWdHt[0]->selectAll();
      QTest::keyClicks(layout->txtWdHt[0], "196");
      layout->cmdPrintPref[5]->click();
    });
    preview->cmdPrintPrev_Click(11);
    preview->cmdPrintPrev_Click(8);
  });
  PrintWithPreview(nullptr);
  EXPECT_FLOAT_EQ(gPrintBoxWidth, 196 * kMM);
  Shell("pdftoppm -r 96 " + pdf + " > " + pdf + ".ppm");
  const Raster page = LoadPpm(pdf + ".ppm");
  ASSERT_GT(page.width, 0);
  const auto [left, right] = InkColumns(page);
  EXPECT_GT(left, 0);
  EXPECT_LT(right, page.width - 1);
  EXPECT_GE(right - left, (196 - 2 * Pardata[96].Default) * 0.7f * 96 / 25.4f);
}

}  // namespace
