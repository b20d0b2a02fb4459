// The main window on the offscreen platform: it starts with the AB rows and a drawn spectrum,
// every type button sets its type up, typing recalculates, right-click help and the about box
// answer, the controls fit, and closing keeps the settings for the next start.
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <cmath>
#include <cstdlib>
#include <memory>

#include "documents/file_startup.h"
#include "documents/spec_record.h"
#include "documents/spectrum_loader.h"
#include "drawlib/drawlib_init.h"
#include "drawlib/ini/libr_ini.h"
#include "engine/engine_globals.h"
#include "engine/mainwin_services.h"
#include "mainwin/group_commands.h"
#include "mainwin/ui/frm_kavo.h"
#include "platform/paths.h"
#include "platform/runtime_numbers.h"
#include "platform/ui/qt_text.h"
#include "documents/file_dialog.h"
#include "tests/documents/spectrum_fixtures.h"
#include "tests/mainwin/recording_help_viewer.h"
#include "tests/mainwin/ui/kavo_window_fixture.h"
#include "tests/support/msgbox_recorder.h"
#include "tests/support/process_state.h"
#include "tests/support/scratch_folder.h"

namespace {

class FrmKavoTest : public KavoWindowTest {};

TEST_F(FrmKavoTest, StartsWithTheAbRowsAndADrawnSpectrum) {
  Start();
  EXPECT_TRUE(window->windowTitle().startsWith("NMR Spectrum Calculation: "));
  EXPECT_EQ(gSimType, 2);
  EXPECT_TRUE(Widget<QRadioButton>(Ctl::optType, 2)->isChecked());
  EXPECT_EQ(Widget<QGroupBox>(Ctl::fraPattern)->title(), "Multiplet");
  const int16_t p = window->form().RowParameter(0);
  ASSERT_GE(p, 0);
  EXPECT_EQ(Widget<QLabel>(Ctl::ParName, 0)->text().trimmed(),
            ToQString(gSimPar[static_cast<size_t>(p)].Name).trimmed());
  EXPECT_GT(DrawnPixels(), 500);
  EXPECT_TRUE(boxes.empty()) << boxes.texts().front();
}

TEST_F(FrmKavoTest, EveryTypeButtonSetsItsTypeUp) {
  Start();
  for (int group = 0; group < 4; ++group) {
    QTest::mouseClick(Widget<QRadioButton>(Ctl::optGroup, group), Qt::LeftButton);
    const std::vector<int16_t> codes = [&] {
      std::vector<int16_t> c;
      for (int t = 1; t < kTypeButtonCount; ++t)
        if (Widget<QRadioButton>(Ctl::optType, t) && Widget<QRadioButton>(Ctl::optType, t)->isVisible())
          c.push_back(static_cast<int16_t>(t));
      return c;
    }();
    ASSERT_FALSE(codes.empty()) << "group " << group;
    for (int16_t t : codes) {
      QRadioButton* button = Widget<QRadioButton>(Ctl::optType, t);
      button->click();
      EXPECT_EQ(gSimType, t);
      EXPECT_TRUE(button->isChecked());
      EXPECT_TRUE(window->windowTitle().startsWith("NMR Spectrum Calculation: ")) << t;
      EXPECT_GE(window->form().RowParameter(0), 0) << t;
    }
  }
  EXPECT_TRUE(boxes.empty()) << boxes.texts().front();
}

TEST_F(FrmKavoTest, ReclickingTheSelectedTypeDoesNothing) {
  Start();
  QRadioButton* ab = Widget<QRadioButton>(Ctl::optType, 2);
  const float before = gSimPar[0].Value;
  gSimPar[0].Value = before + 1;  // a typed value stays: no type set-up ran
  QTest::mouseClick(ab, Qt::LeftButton);
  EXPECT_TRUE(ab->isChecked());
  EXPECT_EQ(gSimPar[0].Value, before + 1);
}

TEST_F(FrmKavoTest, TypingAValueAndEnterRecalculates) {
  Start();
  QLineEdit* box = Widget<QLineEdit>(Ctl::ParVal, 0);
  const int16_t p = window->form().RowParameter(0);
  box->setFocus();
  QApplication::processEvents();
  QTest::keyClicks(box, "7,5");  // a decimal comma is a decimal separator
  QTest::keyClick(box, Qt::Key_Return);
  QApplication::processEvents();
  EXPECT_FLOAT_EQ(gSimPar[static_cast<size_t>(p)].Value, 7.5f);
  EXPECT_EQ(box->text(), "7.5000");
  EXPECT_FALSE(box->hasFocus());
}

TEST_F(FrmKavoTest, RightClickShowsTheControlsHelpAndTheAboutBoxAnswers) {
  Start();
  QTest::mouseClick(Widget<QLineEdit>(Ctl::ParVal, 0), Qt::RightButton);
  ASSERT_FALSE(help.popups.empty());
  EXPECT_EQ(help.popups.back().id, 102);
  window->MenuAction(Ctl::mnuHelpTopic, 74)->trigger();
  ASSERT_FALSE(help.topics.empty());
  EXPECT_EQ(help.topics.back().id, 74);
  window->MenuAction(Ctl::mnuHelpTopic, kHelpAboutItem)->trigger();
  ASSERT_EQ(boxes.count(), 1u);
  EXPECT_EQ(boxes.last().title, "About This Program");
  EXPECT_EQ(boxes.last().text.rfind("VIREO:  NMR Spectrum Calculations ", 0), 0u);
}

TEST_F(FrmKavoTest, ControlsFitInsideTheirFramesAndShowTheirWholeText) {
  Start();
  for (QWidget* w : window->findChildren<QWidget*>()) {
    if (!w->isVisibleTo(window.get()) || !w->objectName().startsWith("ctl")) continue;
    const QWidget* parent = w->parentWidget();
    if (qobject_cast<const QGroupBox*>(parent)) {
      EXPECT_TRUE(parent->rect().contains(w->geometry())) << w->objectName().toStdString();
    }
    if (auto* label = qobject_cast<QLabel*>(w)) {
      EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width())
          << label->text().toStdString();
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
      if (!button->text().isEmpty()) {
        // A radio button's indicator and a push button's bevel take some room beside the text.
        const int room = qobject_cast<QRadioButton*>(button) ? 20 : 4;
        EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()) + room, button->width())
            << button->text().toStdString();
      }
    }
  }
}

// The group step buttons' commands, recorded instead of carried out.
class RecordedGroupCommands : public GroupCommands {
 public:
  RecordedGroupCommands() { RegisterGroupCommands(this); }
  ~RecordedGroupCommands() override { RegisterGroupCommands(nullptr); }
  bool GroupCommand(Ctl id, int16_t index) override {
    commands.emplace_back(id, index);
    return true;
  }
  std::vector<std::pair<Ctl, int16_t>> commands;
};

// True when the whole widget lies within the window's client area and within every widget
// that holds it (nothing of it is clipped away).
bool WhollyInView(const QWidget* w, const QMainWindow* window) {
  const QRect r(w->mapTo(window, QPoint(0, 0)), w->size());
  for (const QWidget* a = w->parentWidget(); a && a != window; a = a->parentWidget()) {
    if (!QRect(a->mapTo(window, QPoint(0, 0)), a->size()).contains(r)) return false;
  }
  return window->centralWidget()->geometry().contains(r);
}

// Run also on a 1920 x 1080 screen at scale factors 1, 1.5 and 2, where the window is shorter
// than its left column: every control can be scrolled into view, and a click at its place
// reaches it.
TEST_F(FrmKavoTest, EveryControlCanBeBroughtIntoViewAndClicked) {
  RecordedGroupCommands groups;
  Start();
  int buttons = 0;
  for (QWidget* w : window->findChildren<QWidget*>()) {
    if (!w->objectName().startsWith("ctl") || !w->isVisibleTo(window.get())) continue;
    const std::string name = w->objectName().toStdString();
    window->EnsureControlVisible(w);
    QApplication::processEvents();
    EXPECT_TRUE(WhollyInView(w, window.get())) << name;
    const QPoint centre = w->mapTo(window.get(), w->rect().center());
    QWidget* hit = window->childAt(centre);
    ASSERT_TRUE(hit == w || w->isAncestorOf(hit)) << name << " is covered";
    auto* button = qobject_cast<QPushButton*>(w);
    // Quit would end the program.
    if (!button || !button->isEnabled() || button == Widget<QPushButton>(Ctl::CmndQuit)) continue;
    QSignalSpy clicked(button, &QAbstractButton::clicked);
    QTest::mouseClick(hit, Qt::LeftButton, Qt::NoModifier, hit->mapFrom(window.get(), centre));
    EXPECT_EQ(clicked.count(), 1) << name;
    ++buttons;
  }
  EXPECT_GT(buttons, 30);
  // The column's last controls answer as well: the display toolbar's stick/full switch, the
  // group step buttons and the read-out's help.
  const int16_t mode = gTypeMode;
  QPushButton* stickFull = Widget<QPushButton>(Ctl::CmndUpDn, 10);
  window->EnsureControlVisible(stickFull);
  QTest::mouseClick(stickFull, Qt::LeftButton);
  EXPECT_EQ(gTypeMode, mode ^ 1);
  EXPECT_NE(std::find(groups.commands.begin(), groups.commands.end(),
                      std::make_pair(Ctl::cmdNextPrevSim, int16_t{2})),
            groups.commands.end());
  QWidget* readout = window->ControlWidget(Ctl::lblFreq, 1);
  window->EnsureControlVisible(readout);
  QTest::mouseClick(readout, Qt::RightButton);
  ASSERT_FALSE(help.popups.empty());
  EXPECT_EQ(help.popups.back().id, 150);
  window->EnsureControlVisible(window->ControlWidget(Ctl::lblTimeDate, 0));
  QApplication::processEvents();
  SaveScreenshot(window.get(), "column-scrolled-to-the-clock");
}

// A window made narrower than the picture and shorter than the left column: the column's
// scroll bar stays inside the window, and the read-out frame keeps its labels and Enter buttons,
// which can be scrolled into view and clicked.
TEST_F(FrmKavoTest, AWindowNarrowerThanThePictureKeepsTheReadOutsInReach) {
  Start();
  QWidget* surface = window->centralWidget();
  window->resize(window->width() / 2, window->height() / 2);
  QApplication::processEvents();
  auto* bar = window->findChild<QScrollBar*>("leftColumnBar");
  ASSERT_NE(bar, nullptr);
  ASSERT_TRUE(bar->isVisible()) << "the window is shorter than its left column";
  EXPECT_TRUE(surface->rect().contains(bar->geometry()))
      << bar->geometry().y() << " + " << bar->height() << " in " << surface->height();
  for (int i = 0; i < 2; ++i) {
    SCOPED_TRACE(i);
    auto* enter = Widget<QPushButton>(Ctl::cmdFreqEnter, i);
    ASSERT_NE(enter, nullptr);
    window->EnsureControlVisible(enter);
    QApplication::processEvents();
    EXPECT_TRUE(WhollyInView(enter, window.get()));
    EXPECT_TRUE(WhollyInView(window->ControlWidget(Ctl::lblFreq, i), window.get()));
    const QPoint centre = enter->mapTo(window.get(), enter->rect().center());
    EXPECT_EQ(window->childAt(centre), enter);
  }
}

TEST_F(FrmKavoTest, ClosingKeepsTheSettingsForTheNextStart) {
  Start();
  window->form().RebuildFileListMenu("/data/Spectra/CH2Cl2.nuts");
  gSpec.MHz = 400;
  window->close();
  const std::string settings = Settings();
  EXPECT_NE(settings.find("[KavoConfiguration]"), std::string::npos);
  EXPECT_NE(settings.find("Default MHz= 400"), std::string::npos);
  EXPECT_NE(settings.find("[Kavo LastFiles]"), std::string::npos);
  EXPECT_NE(settings.find("[Kavo LastGroups]"), std::string::npos);
  EXPECT_GT(help.quits, 0);

  Start();
  EXPECT_EQ(gSpec.MHz, 400.0f);
  QAction* recent = window->MenuAction(Ctl::mnufList, 1);
  ASSERT_NE(recent, nullptr);
  EXPECT_EQ(recent->text(), "/data/Spectra/CH2Cl2.nuts");
  EXPECT_TRUE(recent->isVisible());
}

TEST_F(FrmKavoTest, AnOpenedSpectrumIsFittedWithTheSimulationAndTheDifference) {
  Start();
  ChosenFile chosen(AbSpectrumFile(folder.File("ab.nut")));
  window->MenuAction(Ctl::mnuFileLoad, 0)->trigger();  // the plain spectrum type takes it
  ASSERT_EQ(gSimType, 0) << (boxes.empty() ? "" : boxes.last().text);
  EXPECT_TRUE(window->windowTitle().startsWith("NMR Spectrum: "));
  boxes.Answer(vbYes);  // "Start Linefitting ...?"
  Widget<QRadioButton>(Ctl::optType, 2)->click();
  ASSERT_EQ(gSimType, 2);
  EXPECT_NE(gLineFit, 0);
  EXPECT_TRUE(window->windowTitle().startsWith("NMR Line Fitting of "));
  EXPECT_TRUE(Widget<QGroupBox>(Ctl::fraDiff)->isVisible());
  Widget<QPushButton>(Ctl::btnDiffTogg)->click();
  QApplication::processEvents();
  const Control& errors = window->form().Controls().Get(Ctl::lstError);
  EXPECT_TRUE(errors.Visible);
  EXPECT_GE(errors.Items.size(), 2u);  // the heading and at least one mean difference
  EXPECT_GT(DrawnPixels(), 2000);
  SaveScreenshot(window.get(), "line-fitting");
}

TEST_F(FrmKavoTest, AfterAbxTheRightStatusFieldHoldsOneText) {
  Start();
  Widget<QRadioButton>(Ctl::optType, 9)->click();
  QApplication::processEvents();
  ASSERT_EQ(gSimType, 9);
  EXPECT_EQ(window->form().Status().Text(1, true), "VIREO is using" + Str(gNumPts) + " data points");
  Widget<QPushButton>(Ctl::CmndPlus, 0)->click();
  QApplication::processEvents();
  EXPECT_EQ(window->form().Status().Text(1, true).rfind("Solution ", 0), 0u);
  SaveScreenshot(window.get(), "after-abx");
}

TEST_F(FrmKavoTest, AShortLoadedSpectrumIsDrawnFromItsLoadedPointsOnly) {
  Start();
  // Eight points over 300 Hz and the one at 0 Hz, the right end the tallest.
  const std::string path = folder.File("eight.lyb");
  std::ofstream(path, std::ios::binary)
      << LybricsFile(16, 300, 200, 0, {100, 200, 300, 400, 500, 600, 700, 5000, 5000}).bytes;
  ChosenFile chosen(path);
  window->MenuAction(Ctl::mnuFileLoad, 0)->trigger();
  ASSERT_EQ(gSimType, 0) << (boxes.empty() ? "" : boxes.last().text);
  QApplication::processEvents();
  SaveScreenshot(window.get(), "eight-points");
  // No stroke runs down to the baseline at the right edge: the right-most columns hold the
  // trace's own few pixels only (the background is white).
  const QImage& image = window->picture()->image();
  for (int x = image.width() - 3; x < image.width(); ++x) {
    int drawn = 0;
    for (int y = image.height() / 3; y < image.height(); ++y) drawn += image.pixel(x, y) != 0xFFFFFFFF;
    EXPECT_LT(drawn, image.height() / 10) << "column " << x;
  }
}

// Eight points over 300 Hz, shown on the whole sweep: with eight values in the file its point
// at 0 Hz holds nothing, with nine it does. Either way the trace shows the loaded points only:
// no ink slopes or drops to the baseline at the right or the left end.
TEST_F(FrmKavoTest, NoStrokeRunsToTheBaselineAtEitherEndOfAShortSpectrum) {
  struct Case {
    const char* name;
    std::vector<int32_t> values;  // from the highest point down; both ends far above 0
  };
  const Case cases[] = {
      {"eight-values", {3000, 2000, 1000, 200, 1000, 2000, 3000, 4000}},
      {"nine-values", {3000, 2000, 1000, 200, 1000, 2000, 3000, 4000, 4000}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Start();
    const std::string path = folder.File(std::string(c.name) + ".lyb");
    std::ofstream(path, std::ios::binary) << LybricsFile(16, 300, 200, 0, c.values).bytes;
    ChosenFile chosen(path);
    window->MenuAction(Ctl::mnuFileLoad, 0)->trigger();
    ASSERT_EQ(gSimType, 0) << (boxes.empty() ? "" : boxes.last().text);
    QApplication::processEvents();
    SaveScreenshot(window.get(), c.name);
    const QImage& image = window->picture()->image();
    // The picture's image holds device pixels: at a scale factor above 1 more than the
    // widget's logical pixels, in which the twips are counted.
    const double devicePixels = double(image.width()) / window->picture()->width();
    const int baseline = static_cast<int>(
        gBaseLnTwips / window->picture()->TwipsPerPixelY() * devicePixels);
    ASSERT_GT(baseline, 40);
    ASSERT_LT(baseline, image.height());
    // The ink in a band just above the baseline at the two ends (the markers sit below it).
    const int band = image.height() / 8;
    auto inkNearBaseline = [&](int x) {
      int n = 0;
      for (int y = baseline - band; y <= baseline; ++y) n += image.pixel(x, y) != 0xFFFFFFFF;
      return n;
    };
    for (int x : {0, 1, 2, image.width() - 3, image.width() - 2, image.width() - 1})
      EXPECT_EQ(inkNearBaseline(x), 0) << "column " << x;
    // The trace itself is there, well above the baseline.
    int drawnColumns = 0;
    for (int x = 0; x < image.width(); ++x) {
      for (int y = 0; y < baseline - band; ++y) {
        if (image.pixel(x, y) != 0xFFFFFFFF) {
          ++drawnColumns;
          break;
        }
      }
    }
    EXPECT_GT(drawnColumns, image.width() / 2);
  }
}

}  // namespace
