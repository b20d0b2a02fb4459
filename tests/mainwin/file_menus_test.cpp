// The File and Export menus: loading an experimental spectrum for line fitting (which file, which
// load mode, the recent list, the caption), ending line fitting, the clipboard import without a
// spectrum, the spectrum-data copy in stick mode, and the exact export texts of every export
// command.
#include <gtest/gtest.h>

#include <fstream>

#include "engine/engine_globals.h"
#include "tests/mainwin/mainwin_fixture.h"
#include "tests/mainwin/recording_output_services.h"

namespace {

class FileMenusTest : public MainWinTest {
 protected:
  std::string SpectrumFile(const std::string& name) {
    const std::string path = folder.File(name);
    std::ofstream(path) << "spectrum";
    return path;
  }
  RecordingOutputServices output;
};

TEST_F(FileMenusTest, LoadModesFollowTheSourceOfTheSpectrum) {
  Load();
  gLineFit = -1;
  const std::string path = SpectrumFile("Ethyl Acetate.SPC");
  struct Case {
    std::string path;
    int16_t item, modeIn, modeOut;
    bool ok;
  } cases[] = {
      {path, -1, 0, 7, true},                        // a new file while fitting
      {path, -1, 0, 2, true},                        // the same file again: re-mapped only
      {"<clipboard>", -1, 16, 18, true},             // the clipboard's spectrum object
      {folder.File("missing.spc"), -1, 0, 15, true},  // no such file: the Open dialog
      {folder.File("missing.spc"), 3, 0, 15, true},   // a group item without a drawing
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path + " " + std::to_string(c.modeIn));
    int16_t mode = c.modeIn;
    bool ok = true;  // whatever comes in, only a load sets it
    spectra.calls.clear();
    form.LoadExperimentalSpectrum(c.path, c.item, mode, ok);
    EXPECT_EQ(mode, c.modeOut);
    ASSERT_EQ(spectra.calls.size(), 1u);
    EXPECT_EQ(spectra.calls.back().flags, c.modeOut);
    EXPECT_EQ(ok, c.ok);
  }
  EXPECT_EQ(host.caption.rfind("NMR Line Fitting of ", 0), 0u);
  // Paths keep their case in the recent list.
  EXPECT_EQ(Ctrl(Ctl::mnufList, 1).Caption, path);
}

TEST_F(FileMenusTest, AFailedLoadReportsNothingLoaded) {
  Load();
  spectra.mapResult = kSpectrumNothingLoaded;
  int16_t mode = 0;
  bool ok = true;
  form.LoadExperimentalSpectrum(SpectrumFile("a.spc"), -1, mode, ok);
  EXPECT_FALSE(ok);
  EXPECT_TRUE(Ctrl(Ctl::mnufList, 0).Caption.empty());
}

TEST_F(FileMenusTest, OpenWithoutLineFittingChoosesThePlainSpectrumType) {
  Load();
  spectra.openResult = kSpectrumLoaded;
  form.mnuFileLoad_Click();
  EXPECT_EQ(gSimType, 0);
  EXPECT_EQ(spectra.CallsWith(9), 1);  // the Open dialog, then the file
  EXPECT_EQ(host.caption, "NMR Spectrum: " + spectra.chosenFile);
  EXPECT_EQ(form.SetupState(), kSetupIdle);
}

TEST_F(FileMenusTest, CancelLineFittingHidesTheOverlayControls) {
  Load();
  gLineFit = -1;
  form.SetupLinefitting(true);
  form.mnuCancelSim_Click();
  EXPECT_EQ(gLineFit, 0);
  EXPECT_FALSE(Ctrl(Ctl::fraDiff).Visible);
  EXPECT_FALSE(Ctrl(Ctl::mnuCancelSim).Enabled);
}

TEST_F(FileMenusTest, ClipboardImportWithoutASpectrumSaysSo) {
  Load();
  form.mnuImportZEF_Click();
  ASSERT_EQ(boxes.count(), 1u);
  EXPECT_EQ(boxes.last().text, "No ZEF-NMR spectrum found in Clipboard");
  EXPECT_EQ(boxes.last().title, "Import NMR Spectrum");
  EXPECT_EQ(gSimType, 2);
}

TEST_F(FileMenusTest, SpectrumDataInStickModeKeepsTheSticksAndCopiesNothing) {
  Load();
  gTypeMode = 0;  // sticks
  picture.ops.clear();
  form.mnuExportData_Click();
  EXPECT_TRUE(host.clipboard.empty());
  EXPECT_TRUE(boxes.empty());
  // Baseline and the AB quartet's four sticks.
  EXPECT_GE(picture.OpsOf(RecordingPictureBox::Kind::Line).size(), 5u);
}

TEST_F(FileMenusTest, EveryExportCommandSendsItsExportText) {
  Load();
  struct Case {
    void (KavoForm::*command)(int16_t);
    int16_t index;
    const char* spec;
  } cases[] = {
      {&KavoForm::mnuExportWMFC_Click, 1, "WMF-S Clip Draw "},
      {&KavoForm::mnuExportWMFD_Click, 3, "WMF-S Disk Page "},
      {&KavoForm::mnuExportGIFD_Click, 2, "GIF-S Disk Marg "},
      {&KavoForm::mnuExportBMPD_Click, 0, "BMP-S Disk Box "},
      {&KavoForm::mnuExportEPSD_Click, 3, "EPS Disk Page "},
  };
  for (const Case& c : cases) (form.*c.command)(c.index);
  ASSERT_EQ(output.exportSpecs.size(), std::size(cases));
  for (size_t i = 0; i < std::size(cases); ++i) EXPECT_EQ(output.exportSpecs[i], cases[i].spec);
  EXPECT_EQ(Ctrl(Ctl::mnuExportWMFD, 3).Caption, "Full Page Frame ...");
  EXPECT_EQ(Ctrl(Ctl::mnuExportWMFC, 3).Caption, "Full Page Frame");
  EXPECT_FALSE(Ctrl(Ctl::mnuExport, 0).Visible);
}

TEST_F(FileMenusTest, TheExportDialogKeepsItsSettingsAndACancelExportsNothing) {
  Load();
  form.mnuExportImage_Click();  // cancelled
  EXPECT_TRUE(output.exportSpecs.empty());
  output.dialogAnswer = "GIF-S Disk Box Opaque";
  form.mnuExportImage_Click();
  ASSERT_EQ(output.exportSpecs.size(), 1u);
  EXPECT_EQ(output.exportSpecs[0], "GIF-S Disk Box Opaque");
  output.dialogAnswer = "";
  form.mnuExportImage_Click();
  ASSERT_EQ(output.dialogSettings.size(), 3u);
  EXPECT_EQ(output.dialogSettings[0], "");
  EXPECT_EQ(output.dialogSettings[2], "GIF-S Disk Box Opaque");  // kept over the cancel
  EXPECT_EQ(form.ExportSettings(), "GIF-S Disk Box Opaque");
}

}  // namespace
