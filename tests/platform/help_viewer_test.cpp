#include "platform/help_viewer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class LoggingViewer : public HelpViewer {
 public:
  void ShowTopic(const std::string& folder, int32_t id) override {
    log.push_back("topic " + folder + " " + std::to_string(id));
  }
  void ShowPopup(const std::string& folder, int32_t id) override {
    log.push_back("popup " + folder + " " + std::to_string(id));
  }
  void Quit() override { log.push_back("quit"); }
  std::vector<std::string> log;
};

}  // namespace

TEST(HelpViewer, CallsGoToTheInstalledViewerAndAreQuietWithoutOne) {
  Help().ShowTopic("/h", 70);  // the stand-in: nothing happens, nothing fails
  Help().Quit();

  LoggingViewer viewer;
  SetHelpViewer(&viewer);
  Help().ShowTopic("/usr/share/kavo71/help", 74);
  Help().ShowPopup("/h", 102);
  Help().Quit();
  SetHelpViewer(nullptr);
  Help().ShowTopic("/h", 76);
  EXPECT_EQ(viewer.log, (std::vector<std::string>{"topic /usr/share/kavo71/help 74",
                                                  "popup /h 102", "quit"}));
}

TEST(HelpViewer, TopicFilesAndMissingTopicTextCarryThePlainNumber) {
  EXPECT_EQ(HelpTopicPath("/opt/kavo/help", 70), "/opt/kavo/help/70.html");
  EXPECT_EQ(HelpTopicPath("/opt/kavo/help/", 2210), "/opt/kavo/help/2210.html");
  EXPECT_EQ(HelpTopicMissingText(999), "Help topic 999 is not available.");
  EXPECT_EQ(HelpTopicMissingText(5), "Help topic 5 is not available.");
  EXPECT_EQ(HelpTopicMissingText(-1), "Help topic -1 is not available.");
}
