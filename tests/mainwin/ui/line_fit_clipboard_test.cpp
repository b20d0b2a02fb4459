// A spectrum object that another program put on the clipboard, imported during line fitting,
// takes the place of the first spectrum as a file of the same spectrum would: drawn at the
// display's height, with its own difference and error. The program's own drawing copy is not a
// spectrum for the import.
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "documents/clip_block.h"
#include "documents/spec_loaders.h"
#include "documents/spec_packet.h"
#include "documents/spec_record.h"
#include "engine/engine_globals.h"
#include "platform/ui/qt_clipboard.h"
#include "tests/mainwin/ui/kavo_window_fixture.h"

namespace {

// One line at 100 Hz over a 300 Hz sweep at 200 MHz, as whole raw values for points 0..kPoints;
// more points than the display has, so both roads take the nearest lower point.
constexpr int kPoints = 8192;
constexpr float kSweepHz = 300, kMHz = 200;

std::vector<int16_t> SecondSpectrumPoints() {
  std::vector<int16_t> points(kPoints + 1);
  for (int i = 0; i <= kPoints; ++i) {
    const double f = kSweepHz * i / kPoints;
    points[static_cast<size_t>(i)] =
        static_cast<int16_t>(std::lround(5000 / (1 + std::pow((f - 100) / 1.5, 2))));
  }
  return points;
}

// The same spectrum as a NUTS file: the file lists the values from the highest point down.
std::string SecondSpectrumFile(const std::string& path, float refHz) {
  const std::vector<int16_t> points = SecondSpectrumPoints();
  std::vector<float> values(points.rbegin(), points.rend());
  std::ofstream(path, std::ios::binary)
      << NutsFile(1, kPoints, kSweepHz, kMHz, refHz, values).bytes;
  return path;
}

// Where the copying program showed the spectrum, and its reference.
struct CopiedView {
  float startHz, offsetHz, widthHz, refHz;
  bool autoredraw = true;
  bool referenceKept = false;  // the Options menu's reference not disabled
};

// The same spectrum as another program copies it onto the system clipboard: a spectrum object
// in the private format.
void CopySecondSpectrumAsObject(const CopiedView& view) {
  SpecRec rec;
  SpecReset(rec);
  rec.WdthHz = rec.ImpWdthHz = kSweepHz;
  rec.StartHz = view.startHz;
  rec.DispOffHz = view.offsetHz;
  rec.DispWdthHz = view.widthHz;
  rec.Ref = view.refHz;
  rec.NumPts = rec.ImpNumPts = kPoints;
  rec.HzPerPt = kSweepHz / kPoints;
  rec.MHz = kMHz;
  rec.Flags |= kSpecFlagCurrentLayout;
  rec.Kind = 0;  // experimental
  rec.Strings[0] = "M > Second spectrum";
  ByteArray data;
  std::string label;
  SpecPack(data, label, "", rec, SecondSpectrumPoints());
  ASSERT_FALSE(data.empty());
  std::string block;
  ASSERT_TRUE(ClipBlockMake(StepData(data), kClipSpectrumBit, block));
  auto* mime = new QMimeData;
  mime->setData(kClipFormatMime, QByteArray(block.data(), static_cast<qsizetype>(block.size())));
  QGuiApplication::clipboard()->setMimeData(mime);
}

class LineFitClipboardTest : public KavoWindowTest {
 protected:
  void SetUp() override {
    KavoWindowTest::SetUp();
    SetClipboardDevice(&clipboard);
  }
  void TearDown() override {
    KavoWindowTest::TearDown();
    SetClipboardDevice(nullptr);
  }
  QtClipboardDevice clipboard;
  struct Shown {
    std::vector<float> experimental, difference;
    std::string error, caption;
  };
  Shown Now() {
    QApplication::processEvents();
    const size_t n = static_cast<size_t>(gNumPts) + 1;
    Shown s{std::vector<float>(gSpecExp.begin(), gSpecExp.begin() + std::min(n, gSpecExp.size())),
            std::vector<float>(gSpectrum2.begin(),
                               gSpectrum2.begin() + std::min(n, gSpectrum2.size())),
            "", window->windowTitle().toStdString()};
    const auto& errors = window->form().Controls().Get(Ctl::lstError).Items;
    if (!errors.empty()) s.error = errors.front();
    return s;
  }
  // A fresh start, the AB spectrum opened and fitted with AB, the difference shown.
  Shown FitTheFirstSpectrum(bool referenceKept = false) {
    Start();
    if (referenceKept) window->MenuAction(Ctl::mnuPref, 5)->trigger();
    EXPECT_EQ(gDisableRef == 0, referenceKept);
    ChosenFile chosen(AbSpectrumFile(folder.File("ab.nut")));
    window->MenuAction(Ctl::mnuFileLoad, 0)->trigger();
    boxes.Answer(vbYes);  // "Start Linefitting ...?"
    Widget<QRadioButton>(Ctl::optType, 2)->click();
    Widget<QPushButton>(Ctl::btnDiffTogg)->click();
    return Now();
  }
};

float Largest(const std::vector<float>& v) { return *std::max_element(v.begin() + 1, v.end()); }

// However the copying program showed the spectrum (its window, a start other than 0, its
// reference), line fitting shows it in the display's window; without Autoredraw the overlay that
// the plot document reads is in that window already, before ReDraw.
TEST_F(LineFitClipboardTest, AnImportedSpectrumReplacesTheFirstAsItsFileWould) {
  const CopiedView views[] = {
      {0, 0, kSweepHz, 0},       // the whole sweep, as the display shows it
      {0, 60, 80, 0},            // zoomed in on the line
      {500, 550, 120, 0},        // the copy counts its points from 500 Hz
      {0, 0, kSweepHz, -40},     // a reference that moves the axis
      {0, 60, 80, 0, false},     // zoomed in, Autoredraw off
      {0, 60, 80, -40, false},   // and a reference, which the display does not use
      {0, 60, 80, -40, false, true},  // and a reference that the display keeps
  };
  for (const CopiedView& view : views) {
    SCOPED_TRACE("start " + std::to_string(view.startHz) + " offset " +
                 std::to_string(view.offsetHz) + " width " + std::to_string(view.widthHz) +
                 " ref " + std::to_string(view.refHz) + (view.autoredraw ? "" : " no redraw") +
                 (view.referenceKept ? " reference kept" : ""));
    auto autoredrawAsAsked = [&] {
      if (!view.autoredraw) window->MenuAction(Ctl::mnuPref, 3)->trigger();
    };
    const Shown first = FitTheFirstSpectrum(view.referenceKept);
    ASSERT_NE(gLineFit, 0);
    ASSERT_EQ(gSimType, 2);
    ASSERT_GT(Largest(first.experimental), 100);

    autoredrawAsAsked();
    const size_t asked = boxes.count();
    CopySecondSpectrumAsObject(view);
    window->MenuAction(Ctl::mnuImportZEF, 0)->trigger();
    const Shown imported = Now();
    EXPECT_EQ(boxes.count(), asked) << boxes.last().text;
    if (view.offsetHz == 60 && view.autoredraw) SaveScreenshot(window.get(), "line-fitting-clipboard-import");

    // The reference: the same spectrum opened as a file during the same fit.
    const Shown opened = [&] {
      FitTheFirstSpectrum(view.referenceKept);
      autoredrawAsAsked();
      ChosenFile chosen(SecondSpectrumFile(folder.File("second.nut"), view.refHz));
      window->MenuAction(Ctl::mnuFileLoad, 0)->trigger();
      return Now();
    }();

    EXPECT_EQ(imported.caption.rfind("NMR Line Fitting of ", 0), 0u) << imported.caption;
    EXPECT_NE(imported.caption.find("AB [<clipboard>]"), std::string::npos) << imported.caption;
    EXPECT_GT(Largest(imported.experimental), 0.5 * Largest(first.experimental))
        << "the imported spectrum is drawn at the display's height, not flat";
    EXPECT_EQ(imported.experimental, opened.experimental);
    if (!view.autoredraw) continue;  // difference and error wait for ReDraw
    EXPECT_EQ(imported.difference, opened.difference);
    EXPECT_NE(imported.difference, first.difference);
    EXPECT_EQ(imported.error, opened.error);
    EXPECT_NE(imported.error, first.error);
  }
}

// The program's own copy is a drawing, not a spectrum object: the import says so and the fit
// keeps its spectrum.
TEST_F(LineFitClipboardTest, TheProgramsOwnDrawingCopyIsNotTakenAsASpectrum) {
  const Shown first = FitTheFirstSpectrum();
  window->MenuAction(Ctl::mnuClipBrd, 0)->trigger();
  ASSERT_TRUE(QGuiApplication::clipboard()->mimeData()->hasFormat(kClipFormatMime));
  const size_t asked = boxes.count();
  window->MenuAction(Ctl::mnuImportZEF, 0)->trigger();
  ASSERT_EQ(boxes.count(), asked + 1);
  EXPECT_EQ(boxes.last().text, "No ZEF-NMR spectrum found in Clipboard");
  const Shown after = Now();
  EXPECT_EQ(after.experimental, first.experimental);
  EXPECT_EQ(after.caption, first.caption);
}

}  // namespace
