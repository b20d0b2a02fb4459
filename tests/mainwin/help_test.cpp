// Help: topics and popups through the help viewer, the Help menu, F1, the about box and the
// right-click help of the window's controls.
#include <gmock/gmock.h>

#include "tests/mainwin/mainwin_fixture.h"

namespace {

using ::testing::StartsWith;

class HelpTest : public MainWinTest {
 protected:
  void SetUp() override {
    MainWinTest::SetUp();
    Load();
  }
  std::vector<int32_t> PopupIds() const {
    std::vector<int32_t> ids;
    for (const auto& shown : help.popups) ids.push_back(shown.id);
    return ids;
  }
};

TEST_F(HelpTest, MenuTopicsReachTheViewer) {
  form.mnuHelpTopic_Click(74);
  ASSERT_EQ(help.topics.size(), 1u);
  EXPECT_EQ(help.topics[0].id, 74);
  EXPECT_EQ(help.topics[0].folder, form.HelpFolder());
  form.HelpShowPopup(102);
  ASSERT_EQ(help.popups.size(), 1u);
  EXPECT_EQ(help.popups[0].id, 102);
  EXPECT_TRUE(boxes.empty());
}

TEST_F(HelpTest, AboutBox) {
  form.mnuHelpTopic_Click(kHelpAboutItem);
  EXPECT_TRUE(help.topics.empty());
  ASSERT_EQ(boxes.count(), 1u);
  EXPECT_THAT(boxes.last().text, StartsWith("VIREO:  NMR Spectrum Calculations "));
  EXPECT_THAT(boxes.last().text, ::testing::HasSubstr("\r\n\r\n"));
  EXPECT_EQ(boxes.last().title, "About This Program");
  EXPECT_EQ(boxes.last().style, vbInformation);
}

TEST_F(HelpTest, F1PopsUpTheHelpMenu) {
  form.Form_KeyUp(113, 0);
  EXPECT_TRUE(host.popups.empty());
  form.Form_KeyUp(112, 0);
  ASSERT_EQ(host.popups.size(), 1u);
  EXPECT_EQ(host.popups[0], Ctl::mnuHelp);
}

TEST_F(HelpTest, RightClickShowsTheControlsHelp) {
  form.ControlMouseUp(Ctl::CmndPlus, 3, 1);  // left button: nothing
  form.ControlMouseUp(Ctl::fraPar, 2, 2);
  form.ControlMouseUp(Ctl::grpInc, 30, 2);
  form.ControlMouseUp(Ctl::lblFreq, 1, 2);
  form.ControlMouseUp(Ctl::Image1, 4, 2);
  form.ControlMouseUp(Ctl::CmndSign, 5, 2);
  form.ControlMouseUp(Ctl::ParVal, 5, 2);
  form.ControlMouseUp(Ctl::txtInc, 0, 2);
  form.ControlMouseUp(Ctl::lstError, 0, 2);
  form.ControlMouseUp(Ctl::cmdFreqEnter, 1, 2);
  form.ControlMouseUp(Ctl::fraPattern, 0, 2);  // no help set
  form.optType_MouseUp(9, 2);
  form.ControlHelpPopup(-5);
  EXPECT_THAT(PopupIds(), ::testing::ElementsAre(105, 100, 150, 170, 104, 102, 100, 160, 150,
                                                 kTypeButtons[9].helpId));
}

}  // namespace
