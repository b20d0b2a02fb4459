// The frequency labels under the picture on the window's own surface: under the narrowest
// picture, in a window just wide enough for it, each label's text stays whole inside the window
// and clear of the others, in Hz and in ppm.
#include <QApplication>
#include <QFontMetrics>
#include <QRect>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "documents/spec_record.h"
#include "engine/engine_globals.h"
#include "mainwin/ui/kavo_widgets.h"
#include "platform/ui/qt_text.h"
#include "tests/mainwin/ui/kavo_window_fixture.h"

namespace {

class FrequencyLabelsTest : public KavoWindowTest {
 protected:
  // The labels as drawn: each text's box by the surface's font metrics.
  std::vector<std::pair<QString, QRect>> Labels() {
    auto* surface = dynamic_cast<FormSurface*>(window->centralWidget());
    EXPECT_NE(surface, nullptr);
    std::vector<std::pair<QString, QRect>> labels;
    if (!surface) return labels;
    // Half a blank on either side: labels that touch read as one.
    const QFontMetrics metrics(surface->font());
    const int half = metrics.horizontalAdvance(' ') / 2;
    for (const FormSurface::Text& t : surface->Texts())
      labels.emplace_back(t.text, QRect(t.topLeft, QSize(metrics.horizontalAdvance(t.text),
                                                          metrics.height()))
                                      .adjusted(-half, 0, half, 0));
    return labels;
  }
};

TEST_F(FrequencyLabelsTest, StayWholeAndApartUnderTheNarrowestPicture) {
  Start();
  // The corner grip's smallest picture, 3000 twips wide, in a window that just holds it.
  FormControls& controls = window->form().Controls();
  controls.SetWidth(Ctl::picKavo, 0, 3000);
  window->form().PicCalcScaling();
  const Control pic = controls.Get(Ctl::picKavo);
  const int twipsPerPixel = 1440 / window->logicalDpiX();
  window->resize(static_cast<int>((pic.Left + pic.Width + 100) / twipsPerPixel),
                 window->height());
  QApplication::processEvents();
  struct Case {
    int32_t toggles;
    float mhz, spectHz, offHz;
    const char* shot;
  };
  const Case cases[] = {
      {0, 300, 300, 0, "narrow-hz"},
      {0x40, 60, 3000, -1500, "narrow-ppm"},
      {0, 300, 12000, -4000, "narrow-wide-sweep-hz"},
      {0, 300, 30000, -15000, "narrow-widest-sweep-hz"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.shot);
    gPrintBoxToggles = c.toggles;
    gSpec.MHz = c.mhz;
    gSpectHz = c.spectHz;
    gHorOffHz = c.offHz;
    window->form().FreqReadoutUpdate();
    QApplication::processEvents();
    SaveScreenshot(window.get(), "frequency-labels-" + std::string(c.shot));
    const auto labels = Labels();
    ASSERT_GE(labels.size(), 2u);
    const QString unit = c.toggles ? " ppm" : " Hz";
    for (const auto& [text, box] : labels) {
      EXPECT_TRUE(text.endsWith(unit)) << FromQString(text);
      EXPECT_TRUE(window->centralWidget()->rect().contains(box)) << FromQString(text);
    }
    for (size_t i = 0; i < labels.size(); ++i)
      for (size_t j = i + 1; j < labels.size(); ++j)
        EXPECT_FALSE(labels[i].second.intersects(labels[j].second))
            << FromQString(labels[i].first) << " meets " << FromQString(labels[j].first);
  }
}

}  // namespace
