// Choosing the group and the simulation type: the type buttons, the type-change cases, the
// spectrum load outcomes of the plain spectrum type, the parameter rows and the captions.
#include <gmock/gmock.h>

#include "engine/sim_catalogue.h"
#include "platform/runtime_numbers.h"
#include "tests/mainwin/mainwin_fixture.h"

namespace {

using ::testing::ElementsAre;

class TypeSelectionTest : public MainWinTest {
 protected:
  void SetUp() override {
    MainWinTest::SetUp();
    Load();
  }
  // Type 0 with a loaded 1000 Hz spectrum.
  void OpenSpectrum() {
    spectra.openResult = kSpectrumLoaded;
    form.OptType_Click(0);
    ASSERT_EQ(gSimType, 0);
    boxes.Clear();
  }
};

TEST_F(TypeSelectionTest, GroupOfAType) {
  const std::pair<const char*, const char*> cases[] = {
      {"2", "0"}, {" 2", "0"}, {"02", "0"}, {"3", "1"}, {"15", "2"}, {"43", "3"},
      {"0", "-1"}, {"", "-1"}, {"abc", "-1"}, {"-2", "-1"}, {"99999", "-1"}, {"44", "-1"},
      // A zero fraction and blanks still name the type; any other fraction names none.
      {"9.0", "0"}, {" 9 ", "0"}, {"9.", "0"}, {" 34.00 ", "1"}, {"9.5", "-1"}, {".0", "-1"},
      {"9.0x", "-1"}, {"9 0", "-1"},
  };
  for (auto [type, group] : cases) EXPECT_EQ(form.GetGroupFromType(type), group) << type;
}

TEST_F(TypeSelectionTest, GroupButtonsShowTheirTypesAndRememberTheLastChoice) {
  EXPECT_EQ(Ctrl(Ctl::fraPattern).Caption, "Multiplet");
  const Control& ab = Ctrl(Ctl::optType, 2);
  EXPECT_TRUE(ab.Visible);
  EXPECT_EQ(ab.Caption, kTypeButtons[2].shortName);
  EXPECT_EQ(ab.ToolTip, kTypeButtons[2].description);
  EXPECT_EQ(ab.HelpContextID, kTypeButtons[2].helpId);
  EXPECT_EQ(ab.Top, Ctrl(Ctl::optGroup, 0).Top + 240);

  ChooseType(9);
  form.optGroup_Click(1);
  EXPECT_EQ(Ctrl(Ctl::fraPattern).Caption, "2-7 Spin");
  EXPECT_FALSE(Ctrl(Ctl::optType, 9).Visible);
  EXPECT_EQ(gSimType, 2);  // the group's first type
  EXPECT_EQ(form.CurrentGroup(), 1);
  form.optGroup_Click(0);
  EXPECT_EQ(gSimType, 9);
  EXPECT_TRUE(Ctrl(Ctl::optType, 9).Value);
  EXPECT_EQ(form.SetupState(), kSetupIdle);
}

TEST_F(TypeSelectionTest, ChangingTypeKeepsEachTypesValues) {
  Par(0).Value = 7;  // Jab of the AB type
  form.OptType_Click(9);
  EXPECT_EQ(host.caption, "NMR Spectrum Calculation:  ABX");
  EXPECT_EQ(Par(3).Value, 12);  // Jab of ABX
  form.OptType_Click(2);
  EXPECT_EQ(Par(0).Value, 7);

  Par(0).Value = 9;  // choosing the current type again reloads its stored set
  form.OptType_Click(2);
  EXPECT_EQ(Par(0).Value, 7);
  EXPECT_TRUE(boxes.empty());
}

TEST_F(TypeSelectionTest, LeavingTheSpectrumAsksWhetherToFitLines) {
  OpenSpectrum();
  boxes.Answer(vbNo);
  form.OptType_Click(2);
  ASSERT_EQ(boxes.count(), 1u);
  EXPECT_EQ(boxes.last().text,
            "Start Linefitting (simultaneous display of Spectrum and Simulation)?");
  EXPECT_EQ(boxes.last().style, vbYesNo + vbQuestion);
  EXPECT_EQ(boxes.last().title, "KAVO");
  EXPECT_EQ(gLineFit, 0);
  EXPECT_EQ(gSpectHz, 300);
  EXPECT_FALSE(Ctrl(Ctl::lstError).Visible);

  OpenSpectrum();
  boxes.Answer(vbYes);
  form.OptType_Click(2);
  EXPECT_NE(gLineFit, 0);
  EXPECT_EQ(gSpectHz, 1000);  // the spectrum's width is kept
  EXPECT_EQ(host.caption, "NMR Line Fitting of  AB [" + spectra.chosenFile + "]");
  EXPECT_EQ(Ctrl(Ctl::lstError).Items.back(), "   Error");
  EXPECT_TRUE(Ctrl(Ctl::fraDiff).Visible);
  EXPECT_TRUE(Ctrl(Ctl::mnuCancelSim).Enabled);

  form.OptType_Click(9);  // line fitting on: the width survives without a question
  EXPECT_EQ(boxes.count(), 1u);
  EXPECT_EQ(gSpectHz, 1000);
}

// The plain spectrum is shown at the height of the type shown before it, and starting line
// fitting hands that height to the experimental trace, so the trace does not jump when the
// simulation joins it; the height buttons change it afterwards.
TEST_F(TypeSelectionTest, TheOpenedSpectrumKeepsTheHeightShownBeforeItIntoLineFitting) {
  float abHeight = 0;
  for (int16_t before : {int16_t{2}, int16_t{6}, int16_t{0}}) {
    SCOPED_TRACE(before);
    if (gLineFit) form.mnuCancelSim_Click();
    spectra.openResult = kSpectrumLoaded;
    if (before == 0) form.mnuFileLoad_Click();  // a plain spectrum is shown already
    else ChooseType(before);
    ASSERT_EQ(gSimType, before);
    const float shown = gVertMult;
    if (before == 2) abHeight = shown;
    if (before == 6) { EXPECT_NE(shown, abHeight); }  // the two types differ in height
    form.mnuFileLoad_Click();
    ASSERT_EQ(gSimType, 0);
    ASSERT_EQ(spectra.calls.back().flags, 2);
    EXPECT_FLOAT_EQ(spectra.calls.back().mult, shown);
    EXPECT_FLOAT_EQ(gVertMult, shown);

    spectra.calls.clear();
    boxes.Answer(vbYes);
    ChooseType(2);
    ASSERT_NE(gLineFit, 0);
    EXPECT_FLOAT_EQ(gSpec.VertMult, shown);
    ASSERT_EQ(spectra.CallsWith(6), 1);  // the overlay is mapped at that height
    for (const FakeSpectrumFiles::Call& c : spectra.calls)
      if (c.flags == 6) { EXPECT_FLOAT_EQ(c.mult, shown); }
  }
}

TEST_F(TypeSelectionTest, ALoadedSpectrumSetsTheWindowLimitsAndTheRecentList) {
  spectra.reference = 20;
  for (int16_t disableRef : {int16_t{-1}, int16_t{0}}) {
    gDisableRef = disableRef;
    OpenSpectrum();
    EXPECT_EQ(spectra.calls.back().flags, 2);
    const SimParRec& width = Par(form.WidthPar());
    const SimParRec& offset = Par(form.OffsetPar());
    EXPECT_EQ(width.Max, 1000);
    EXPECT_EQ(width.Min, 5);
    EXPECT_EQ(offset.Max, disableRef ? 995 : 1015);
    EXPECT_EQ(offset.Min, disableRef ? 0 : 20);
    // A reference raises the offset's minimum, which narrows the window by as much.
    EXPECT_EQ(gSpectHz, disableRef ? 1000 : 980);
  }
  EXPECT_EQ(spectra.CallsWith(9), 2);
  EXPECT_EQ(Ctrl(Ctl::mnufList, 0).Caption, spectra.chosenFile);
  EXPECT_TRUE(Ctrl(Ctl::mnufList, 0).Visible);
  EXPECT_EQ(host.caption, "NMR Spectrum: " + spectra.chosenFile);
  EXPECT_FALSE(Ctrl(Ctl::CmndUpDn, 10).Enabled);
}

TEST_F(TypeSelectionTest, NothingLoadedReturnsSilentlyToTheOldType) {
  spectra.openResult = kSpectrumNothingLoaded;
  form.OptType_Click(0);
  EXPECT_EQ(gSimType, 2);
  EXPECT_TRUE(Ctrl(Ctl::optType, 2).Value);
  EXPECT_FALSE(Ctrl(Ctl::optType, 0).Value);
  EXPECT_TRUE(boxes.empty());
  EXPECT_EQ(form.SetupState(), kSetupIdle);
  form.ParName_Click(1);  // the old rows can be selected again
  EXPECT_EQ(form.SelPar(), form.RowParameter(1));
}

TEST_F(TypeSelectionTest, AFailedLoadFallsBackToTheSpectrumDefaults) {
  gFinm = "/x/bad.spc";
  spectra.openResult = kSpectrumLoadFailed;
  form.OptType_Click(0);
  ASSERT_EQ(boxes.count(), 1u);
  EXPECT_EQ(boxes.last().text, "/x/bad.spcFile Load Unsuccessful");
  EXPECT_EQ(gSimType, 0);
  EXPECT_TRUE(Ctrl(Ctl::optType, 0).Value);
  EXPECT_EQ(form.SetupState(), kSetupIdle);
  EXPECT_EQ(gSpectHz, 4000);
  EXPECT_EQ(form.OnScreenList(), "01");
  EXPECT_EQ(host.caption, "NMR Spectrum: ");  // the file that failed is not named

  spectra.openResult = kSpectrumLoaded;
  spectra.mapResult = kSpectrumLoadFailed;
  boxes.Clear();
  form.OptType_Click(0);
  ASSERT_EQ(boxes.count(), 1u);
  EXPECT_EQ(boxes.last().text, spectra.chosenFile + " File Load Unsuccessful");
  EXPECT_EQ(gSpectHz, 4000);
}

TEST_F(TypeSelectionTest, AfterAFailedLoadOnlyALoadedSpectrumIsNamedAndFitted) {
  spectra.failingFile = "/x/bad.spc";
  // No spectrum yet: the failed file is not named, and there is nothing to fit.
  spectra.openResult = kSpectrumLoadFailed;
  form.OptType_Click(0);
  EXPECT_EQ(boxes.last().text, "/x/bad.spcFile Load Unsuccessful");
  EXPECT_EQ(host.caption, "NMR Spectrum: ");
  boxes.Clear();
  ChooseType(9);
  EXPECT_TRUE(boxes.empty());
  EXPECT_EQ(gLineFit, 0);
  EXPECT_FALSE(Ctrl(Ctl::lstError).Visible);
  EXPECT_EQ(host.caption.rfind("NMR Spectrum Calculation: ", 0), 0u);

  // A loaded spectrum stays named when the next file fails or the dialog is cancelled.
  OpenSpectrum();
  spectra.openResult = kSpectrumNothingLoaded;
  for (const std::string failing : {"/x/bad.spc", ""}) {
    spectra.failingFile = failing;
    form.mnuFileLoad_Click();
    EXPECT_EQ(gSimType, 0);
    EXPECT_EQ(gFinm, spectra.chosenFile) << failing;
  }
  spectra.failingFile = "/x/bad.spc";
  boxes.Answer(vbYes);
  ChooseType(9);
  EXPECT_EQ(boxes.count(), 1u);  // the question
  const std::string fitted = " [" + spectra.chosenFile + "]";
  EXPECT_EQ(host.caption.substr(host.caption.size() - fitted.size()), fitted);

  // While fitting, a failed load keeps the caption and adds no fit entry.
  const size_t entries = Ctrl(Ctl::lstError).Items.size();
  spectra.mapResult = kSpectrumNothingLoaded;
  form.mnuFileLoad_Click();
  EXPECT_EQ(gFinm, spectra.chosenFile);
  EXPECT_EQ(host.caption.substr(host.caption.size() - fitted.size()), fitted);
  EXPECT_EQ(Ctrl(Ctl::lstError).Items.size(), entries);
}

TEST_F(TypeSelectionTest, RowsShowTheControlsOfTheirKind) {
  form.OptType_Click(14);  // multiplets: a shift, a width, an area, a coupling, a multiplicity
  struct Case {
    int16_t par;
    bool sign;
    float spinHeight;
    bool value;
    bool list;
  };
  const Case cases[] = {{1, false, 520, true, false},
                        {3, true, 348, true, false},
                        {4, false, 520, false, true}};
  for (const Case& c : cases) {
    const int16_t row = RowOf(c.par);
    EXPECT_EQ(Ctrl(Ctl::CmndSign, row).Visible, c.sign) << c.par;
    EXPECT_EQ(Ctrl(Ctl::ParSpin, row).Height, c.spinHeight);
    EXPECT_EQ(Ctrl(Ctl::ParVal, row).Visible, c.value);
    EXPECT_EQ(Ctrl(Ctl::CmndPlus, row).Visible, c.value);
    EXPECT_EQ(Ctrl(Ctl::cmbPar, row).Visible, c.list);
    EXPECT_EQ(Ctrl(Ctl::ParName, row).Caption, Par(c.par).Name);
    EXPECT_EQ(Ctrl(Ctl::lblInc, row).Caption, Par(c.par).Incr);
  }
  EXPECT_EQ(Ctrl(Ctl::cmbPar, RowOf(4)).ListIndex, 0);
  EXPECT_EQ(form.SelPar(), form.RowParameter(0));
}

TEST_F(TypeSelectionTest, RowsBeyondTheWindowLoseTheirPlaceForGood) {
  form.OptType_Click(14);
  const size_t wide = form.OnScreenList().size();
  ASSERT_EQ(wide, static_cast<size_t>(form.ParScrnMax() + 1));

  form.Controls().SetWidth(Ctl::picKavo, 0, 7000);
  form.Form_Resize();
  const size_t narrow = static_cast<size_t>(form.ParScrnMax() + 1);
  ASSERT_LT(narrow, wide);
  EXPECT_EQ(form.OnScreenList().size(), wide) << "the rows wait for the next type change";
  form.OptType_Click(9);
  form.OptType_Click(14);
  ASSERT_EQ(form.OnScreenList().size(), narrow);
  size_t shown = 0;
  for (int16_t p = 0; p <= gLastPar; ++p) shown += (Par(p).Flags & kParShown) != 0;
  EXPECT_EQ(shown, narrow);
  for (size_t row = narrow; row < kParFrames; ++row)
    EXPECT_FALSE(Ctrl(Ctl::fraPar, static_cast<int>(row)).Visible);

  form.Controls().SetWidth(Ctl::picKavo, 0, 14000);
  form.Form_Resize();
  form.OptType_Click(9);
  form.OptType_Click(14);
  EXPECT_EQ(form.OnScreenList().size(), narrow);
}

TEST_F(TypeSelectionTest, AShortOrderTextIsReported) {
  form.OptType_Click(9);
  gSimTypes[2].Order = "01";
  form.OptType_Click(2);
  EXPECT_FALSE(boxes.empty());
  EXPECT_EQ(boxes.last().text, "Internal error in VIREO: negative value of npar% in optType");
}

TEST_F(TypeSelectionTest, TheTimedCalculationReportsThePointCount) {
  picture.ops.clear();
  form.CalcSpectTimed(-1);
  EXPECT_FLOAT_EQ(form.CalcSeconds(), 0.01f);
  const auto printed = picture.OpsOf(RecordingPictureBox::Kind::Print);
  ASSERT_FALSE(printed.empty());
  EXPECT_EQ(printed.back().text, "VIREO is using" + Str(gNumPts) + " data points");
  EXPECT_EQ(Ctrl(Ctl::CmndUpDn, 8).Caption, " 10%");
  EXPECT_EQ(Ctrl(Ctl::lblFreq, 1).Caption, " Difference");
  EXPECT_TRUE(Ctrl(Ctl::CmndUpDn, 10).Enabled);
}

}  // namespace
