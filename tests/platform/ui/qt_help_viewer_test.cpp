// The help viewer window and popups on the offscreen platform, with topics in a scratch folder.
#include "platform/ui/qt_help_viewer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextBrowser>
#include <QToolTip>
#include <QUrl>

#include <gtest/gtest.h>

#include <fstream>
#include <functional>

#include "platform/ui/screen_fit.h"
#include "tests/support/scratch_folder.h"

namespace {

// Runs the event loop until the condition holds or two seconds have passed.
bool EventuallyTrue(const std::function<bool()>& condition) {
  QElapsedTimer clock;
  clock.start();
  while (!condition() && clock.elapsed() < 2000)
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  return condition();
}

class QtHelpViewerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Write(74, "<html><head><title>Simulation</title></head><body><h1>Simulation</h1>"
              "<p>Chemische Verschiebung \xC3\xA9 in Hz.</p></body></html>");
    Write(70, "<html><body><h1>Contents</h1><a href=\"74.html\">Simulation</a></body></html>");
  }
  void Write(int id, const std::string& html) {
    std::ofstream(folder.File(std::to_string(id) + ".html")) << html;
  }
  QString Shown() const { return viewer.window()->toPlainText(); }

  ScratchFolder folder;
  QtHelpViewer viewer;
};

}  // namespace

TEST_F(QtHelpViewerTest, TopicsShowInOneReusedWindowAndLinksOpenTheirTopic) {
  EXPECT_EQ(viewer.window(), nullptr);
  viewer.ShowTopic(folder.path(), 74);
  QTextBrowser* window = viewer.window();
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->isVisible());
  EXPECT_FALSE(window->isModal());
  EXPECT_EQ(window->windowTitle(), "VIREO Help");
  EXPECT_TRUE(Shown().contains(QString::fromUtf8("Verschiebung \xC3\xA9 in Hz.")))
      << Shown().toStdString();
  EXPECT_FALSE(Shown().contains("<h1>"));  // rendered, not shown as source

  viewer.ShowTopic(folder.path(), 70);
  EXPECT_EQ(viewer.window(), window);
  EXPECT_TRUE(Shown().startsWith("Contents"));
  emit window->anchorClicked(QUrl("74.html"));
  EXPECT_TRUE(Shown().startsWith("Simulation"));

  viewer.ShowTopic(folder.path(), 4711);
  EXPECT_EQ(Shown(), "Help topic 4711 is not available.");
  EXPECT_EQ(viewer.window(), window);
}

TEST_F(QtHelpViewerTest, TheWindowOpensWithinTheScreen) {
  viewer.ShowTopic(folder.path(), 74);
  QTextBrowser* window = viewer.window();
  ASSERT_NE(window, nullptr);
  const QRect area = AvailableAreaOf(window);
  EXPECT_TRUE(area.contains(window->frameGeometry()));
  EXPECT_NEAR(window->frameGeometry().right(), area.right(), 20);  // at the right edge
}

TEST_F(QtHelpViewerTest, PopupsShowTheTopicAtTheMouseAndQuitClosesEverything) {
  viewer.ShowPopup(folder.path(), 74);
  ASSERT_TRUE(EventuallyTrue([] { return QToolTip::isVisible(); }));
  EXPECT_TRUE(QToolTip::text().contains(QString::fromUtf8("\xC3\xA9 in Hz.")));
  viewer.ShowPopup(folder.path(), 12);
  EXPECT_EQ(QToolTip::text(), "Help topic 12 is not available.");

  viewer.ShowTopic(folder.path(), 74);
  viewer.Quit();
  EXPECT_FALSE(viewer.window()->isVisible());
  EXPECT_TRUE(EventuallyTrue([] { return !QToolTip::isVisible(); }));
  viewer.Quit();  // again, and with nothing open: no harm

  viewer.ShowTopic(folder.path(), 70);  // the same window comes back
  EXPECT_TRUE(viewer.window()->isVisible());
}

TEST(HelpPopupText, KeepsTheTextAndDropsWhatOnlyLeadsElsewhere) {
  struct Case {
    const char* topic;
    const char* popup;
  } cases[] = {
      {"<h1>Box</h1>\n<p>Draws a frame.</p>\n<p><a href=\"70.html\">Contents</a></p>",
       "<p><b>Box</b></p>\n<p>Draws a frame.</p>\n"},
      {"<p>See also <a href=\"210.html\">Box size</a> and\n<a href=\"78.html\">Printing</a>.</p>", ""},
      {"<p>Redrawn at once. See also <a href=\"78.html\">Printing</a>.</p>",
       "<p>Redrawn at once.</p>"},
      {"<p><a href=\"250.html\">Help and Apply</a> keeps the dialog open.</p>",
       "<p>Help and Apply keeps the dialog open.</p>"},
      {"Help topic 12 is not available.", "Help topic 12 is not available."},
  };
  for (const Case& c : cases)
    EXPECT_EQ(HelpPopupText(QString::fromUtf8(c.topic)).toStdString(), c.popup) << c.topic;
}
