// Each option dialog, opened from its caller, keeps the window rectangle the user gave it in
// the settings (twips, each number with its leading blank) and comes back with it next time.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QRect>
#include <QScreen>
#include <QTimer>

#include <cmath>
#include <fstream>
#include <functional>
#include <iterator>
#include <ostream>
#include <string>

#include "drawlib/ini/libr_ini.h"
#include "drawlib/ui/forms.h"
#include "output/bottom_label.h"
#include "output/ui/frm_bottom_text.h"
#include "output/ui/frm_pref1.h"
#include "output/ui/output_dialogs.h"
#include "output/ui/zef1_export.h"
#include "output/ui/zef1_prev.h"
#include "tests/output/output_model_fixture.h"
#include "tests/support/msgbox_recorder.h"
#include "tests/support/process_state.h"
#include "tests/support/scratch_folder.h"

namespace {

using OnUp = std::function<void(QWidget*)>;

template <typename D>
void WhenUp(std::function<void(D*)> action) {
  QTimer::singleShot(0, [action] {
    auto* d = dynamic_cast<D*>(QApplication::activeModalWidget());
    ASSERT_NE(d, nullptr);
    action(d);
  });
}

// Opens the dialog from its caller, runs the action on it and closes it the ordinary way.
void OpenPreview(const OnUp& onUp) {
  WhenUp<Zef1Prev>([onUp](Zef1Prev* d) {
    onUp(d);
    d->cmdPrintPrev_Click(6);
  });
  PrintWithPreview(nullptr);
}
void OpenLayout(const OnUp& onUp) {
  WhenUp<Zef1Prev>([onUp](Zef1Prev* d) {
    WhenUp<frmPref1>([onUp](frmPref1* l) {
      onUp(l);
      l->cmdPrintPref[5]->click();
    });
    d->cmdPrintPrev_Click(11);
    d->cmdPrintPrev_Click(6);
  });
  PrintWithPreview(nullptr);
}
void OpenFooter(const OnUp& onUp) {
  WhenUp<Zef1Prev>([onUp](Zef1Prev* d) {
    WhenUp<frmBottomText>([onUp](frmBottomText* f) {
      onUp(f);
      f->cmdExit->click();
    });
    d->cmdPrintPrev_Click(1);
    d->cmdPrintPrev_Click(6);
  });
  PrintWithPreview(nullptr);
}
void OpenExport(const OnUp& onUp) {
  WhenUp<Zef1Export>([onUp](Zef1Export* d) {
    onUp(d);
    d->cmdCancel->click();
  });
  ExportSetupDialog(nullptr, "");
}

struct Case {
  const char* key;
  void (*open)(const OnUp&);
  bool keepsHeight;  // the layout dialog sizes its height from the parameter rows
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.key; }

class DialogPositions : public OutputModelTest, public ::testing::WithParamInterface<Case> {
 protected:
  void SetUp() override {
    OutputModelTest::SetUp();
    IniRegisterFile(folder.File("KAVO71.ini"));  // one the test reads back
  }
  std::string Settings() const {
    std::ifstream in(folder.File("KAVO71.ini"), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  ScratchFolder folder;
  MsgBoxRecorder boxes;
};

std::string Str(long v) { return (v < 0 ? "" : " ") + std::to_string(v); }

TEST_P(DialogPositions, RectangleIsKeptInTwipsAndComesBack) {
  const Case& c = GetParam();
  ASSERT_EQ(IniGetString("Dialog Position and Size", c.key, ""), "");

  QRect given;
  double tpp = 0;
  c.open([&](QWidget* d) {
    tpp = TwipsPerPixel(d);
    given = QRect(QPoint(31, 17), QSize(d->width() + 26, d->height() + 12));
    d->move(given.topLeft());
    d->resize(given.size());
    given = QRect(d->pos(), d->size());
    // A rectangle off the screen would come back moved onto it.
    ASSERT_TRUE(d->screen()->availableGeometry().contains(given))
        << "the screen is too small for the dialog at this scale";
  });
  ASSERT_GT(tpp, 0);
  const auto twips = [tpp](int px) { return std::lround(px * tpp); };
  const std::string line = std::string(c.key) + "=" + Str(twips(given.x())) + "," +
                           Str(twips(given.y())) + "," + Str(twips(given.width())) + "," +
                           Str(twips(given.height()));
  EXPECT_NE(Settings().find("[Dialog Position and Size]"), std::string::npos);
  EXPECT_NE(Settings().find(line + "\r\n"), std::string::npos) << line << "\n" << Settings();

  QRect again;
  c.open([&](QWidget* d) { again = QRect(d->pos(), d->size()); });
  EXPECT_EQ(again.topLeft(), given.topLeft());
  EXPECT_EQ(again.width(), given.width());
  if (c.keepsHeight) {
    EXPECT_EQ(again.height(), given.height());
  }
}

INSTANTIATE_TEST_SUITE_P(FourDialogs, DialogPositions,
                         ::testing::Values(Case{"PrintPreview", OpenPreview, true},
                                           Case{"KavoSpecLayout", OpenLayout, false},
                                           Case{"BottomTextDialog", OpenFooter, true},
                                           Case{"ExportSetup", OpenExport, true}),
                         [](const ::testing::TestParamInfo<Case>& info) {
                           return std::string(info.param.key);
                         });

}  // namespace
