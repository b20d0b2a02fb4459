// During line fitting a spectrum file opened in place of the first one, through the Open dialog
// or the recent-file list, lies where the display's axis says whether Autoredraw is on or off:
// with Autoredraw off the overlay (which the plot document, prints and exports read) is in place
// at once, before ReDraw, and ReDraw leaves it there.
#include <QAction>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "documents/spec_record.h"
#include "engine/engine_globals.h"
#include "tests/mainwin/ui/kavo_window_fixture.h"

namespace {

// One line over a 300 Hz sweep at 200 MHz; the file lists the values from the highest point down.
std::string LineSpectrumFile(const std::string& path, double lineHz, float refHz) {
  const int points = 1024;
  const double sweep = 300;
  std::vector<float> values(points);
  for (int i = 0; i < points; ++i) {
    const double f = sweep * (points - 1 - i) / points;
    values[static_cast<size_t>(i)] = static_cast<float>(4000 / (1 + std::pow((f - lineHz) / 2, 2)));
  }
  std::ofstream(path, std::ios::binary) << NutsFile(1, points, 300, 200, refHz, values).bytes;
  return path;
}

enum class Road { kOpenDialog, kRecentList };

struct Case {
  const char* what;
  Road road;
  bool referenceDisabled;
  float firstRefHz, secondRefHz;
};

class LineFitOpenFileTest : public KavoWindowTest {
 protected:
  std::vector<float> Overlay() {
    QApplication::processEvents();
    const size_t n = std::min(static_cast<size_t>(gNumPts) + 1, gSpecExp.size());
    return std::vector<float>(gSpecExp.begin() + 1, gSpecExp.begin() + static_cast<long>(n));
  }
  // A fresh start fitting the first spectrum with AB; then the second spectrum is opened, with
  // Autoredraw as asked. Gives the overlay after the load and after ReDraw.
  std::pair<std::vector<float>, std::vector<float>> OpenSecond(const Case& c, bool autoredraw) {
    Start();
    if (!c.referenceDisabled) window->MenuAction(Ctl::mnuPref, 5)->trigger();
    EXPECT_EQ(gDisableRef != 0, c.referenceDisabled);
    {
      ChosenFile chosen(LineSpectrumFile(folder.File("first.nut"), 150, c.firstRefHz));
      window->MenuAction(Ctl::mnuFileLoad, 0)->trigger();
    }
    boxes.Answer(vbYes);  // "Start Linefitting ...?"
    Widget<QRadioButton>(Ctl::optType, 2)->click();
    EXPECT_NE(gLineFit, 0);
    if (!autoredraw) window->MenuAction(Ctl::mnuPref, 3)->trigger();

    const std::string second = LineSpectrumFile(folder.File("second.nut"), 100, c.secondRefHz);
    if (c.road == Road::kOpenDialog) {
      ChosenFile chosen(second);
      window->MenuAction(Ctl::mnuFileLoad, 0)->trigger();
    } else {
      std::string listed = second;
      window->form().RebuildFileListMenu(listed);
      window->MenuAction(Ctl::mnufList, 0)->trigger();
    }
    EXPECT_NE(window->windowTitle().toStdString().find("second.nut]"), std::string::npos)
        << window->windowTitle().toStdString();
    const std::vector<float> loaded = Overlay();
    QPushButton* redraw = Widget<QPushButton>(Ctl::CmndUpDn, 9);
    EXPECT_NE(redraw, nullptr);
    if (redraw) redraw->click();
    return {loaded, Overlay()};
  }
};

TEST_F(LineFitOpenFileTest, AnOpenedSpectrumLiesInPlaceBeforeAndAfterReDraw) {
  const Case cases[] = {
      {"new reference", Road::kOpenDialog, false, 0, -40},
      {"reference given up", Road::kOpenDialog, false, 25, 0},
      {"both references", Road::kOpenDialog, false, 25, -40},
      {"reference disabled", Road::kOpenDialog, true, 25, -40},
      {"recent list, new reference", Road::kRecentList, false, 0, -40},
      {"recent list, reference disabled", Road::kRecentList, true, 25, -40},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const auto [drawn, drawnAgain] = OpenSecond(c, true);
    ASSERT_GT(*std::max_element(drawn.begin(), drawn.end()), 10.0f) << "the overlay is not flat";
    const auto [waiting, redrawn] = OpenSecond(c, false);
    EXPECT_EQ(waiting, drawn) << "before ReDraw the overlay lies where the drawing puts it";
    EXPECT_EQ(redrawn, drawn);
    EXPECT_EQ(drawnAgain, drawn);
  }
}

}  // namespace
