// The File and Export menus: opening an experimental spectrum for line fitting, the recent
// spectrum files, importing a spectrum from the clipboard, ending line fitting, copying the plot
// or the spectrum data to the clipboard, and exporting the plot.
#include "documents/spec_record.h"
#include "engine/calc_spectrum.h"
#include "engine/sim_type_traits.h"
#include "engine/spectrum_file_services.h"
#include "mainwin/kavo_form.h"
#include "output/output_services.h"
#include "mainwin/plot_document.h"
#include "mainwin/spectrum_sources.h"
#include "platform/msgbox.h"

namespace {

constexpr const char* kClipboardName = "<clipboard>";

}  // namespace

void KavoForm::KeepLoadedSpectrum() {
  mSpectrumHeld = true;
  mHeldSpectrum = gFinm;
}

void KavoForm::ForgetFailedSpectrum() { gFinm = mSpectrumHeld ? mHeldSpectrum : std::string(); }

void KavoForm::CalcAfterSpectrumLoad() {
  CalcSpectrum(0);
  // The load mapped the new spectrum with the reference of the one before it (a file) or with
  // the window its program showed (the clipboard). The drawing re-maps it with the reference
  // the calculation has settled; when the drawing waits for ReDraw (Autoredraw off), the
  // overlay, which the plot document and the exports read, is mapped now in the same way.
  if (gLineFit && (gRedrawFlags & 8)) MapOverlayOntoDisplay();
}

void KavoForm::ShowLineFittingCaption() {
  mFormCaption = "NMR Line Fitting of " + mTypeCaption + " [" + gFinm + "]";
  host_.SetFormCaption(mFormCaption);
}

void KavoForm::LoadExperimentalSpectrum(const std::string& path, int16_t item, int16_t& mode,
                                        bool& ok) {
  ok = false;
  if (mode == 16) {
    mode = 18;
    gFinm = kClipboardName;
  } else if (IsPlainFileForLoad(path)) {
    // Paths keep their case and are compared exactly.
    if (path != gFinm) {
      mode = gLineFit || gSimType != 0 ? 7 : 3;
    } else {
      mode = 2;
      ok = true;
    }
    gFinm = path;
  } else if (item >= 0) {
    switch (RestoreGroupDrawingPage(mGroupFile, item)) {
      case GroupPage::kRestored: mode = 34; gFinm = path; break;
      case GroupPage::kUnreadable: break;
      case GroupPage::kMissing: mode = 15; break;
    }
  } else {
    mode = 15;
  }
  if (mode == 0) return;
  SpectrumFileServices* files = SpectrumFiles();
  if (!files) {
    ForgetFailedSpectrum();
    return;
  }
  const int16_t result = files->LoadSpectrumKavo(gFinm, gSpecExp, gHorOffHz, gSpectHz, gSpec.Ref,
                                                 gSpec.VertMult, mode);
  if (result != kSpectrumLoaded) {
    if (!ok) ForgetFailedSpectrum();
    return;
  }
  KeepLoadedSpectrum();
  gRedrawFlags |= 8;
  ShowLineFittingCaption();
  RebuildFileListMenu(gFinm);
  ok = true;
}

// Choosing the plain spectrum type from code: its button goes off and on again, which runs the
// type set-up with the Open dialog (or the clipboard, by the set-up state).
void KavoForm::ReopenSpectrumType(int16_t setupState) {
  mSetupState = setupState;
  SetTypeButton(0, false);
  SetTypeButton(0, true);
  // However the set-up ended (loaded, failed, cancelled), the buttons answer clicks again.
  mSetupState = kSetupIdle;
}

void KavoForm::mnuFileLoad_Click() {
  // Without line fitting the plain spectrum type takes the file, with its limits and caption.
  if (!gLineFit) {
    ReopenSpectrumType(kSetupFileOpen);
    return;
  }
  bool ok = false;
  int16_t mode = 0;
  LoadExperimentalSpectrum("", -1, mode, ok);
  // A failed or cancelled load changes nothing: no new fit entry for the same spectra.
  if (ok) CalcAfterSpectrumLoad();
}

void KavoForm::mnufList_Click(int16_t index) {
  const std::string path = ctl_.Get(Ctl::mnufList, index).Caption;
  if (path.empty()) return;
  if (ShowsLoadedSpectrum()) {
    SpectrumFileServices* files = SpectrumFiles();
    if (!files) return;
    std::string name = path;
    if (files->LoadSpectrumKavo(name, gSpecExp, gHorOffHz, gSpectHz, gSpec.Ref, gSpec.VertMult,
                                7) != kSpectrumLoaded)
      return;
    gFinm = path;
    KeepLoadedSpectrum();
    gRedrawFlags |= 8;
    ShowLineFittingCaption();
    CalcAfterSpectrumLoad();
    RebuildFileListMenu(gFinm);
    return;
  }
  gFinm = path;
  ReopenSpectrumType(kSetupFileOpen);
}

void KavoForm::mnuImportZEF_Click() {
  if (!ClipboardHasSpectrum()) {
    MsgBox("No ZEF-NMR spectrum found in Clipboard", vbOKOnly, "Import NMR Spectrum");
    return;
  }
  if (ShowsLoadedSpectrum()) {
    bool ok = false;
    int16_t mode = 16;
    LoadExperimentalSpectrum(kClipboardName, -1, mode, ok);
    if (ok) CalcAfterSpectrumLoad();
    return;
  }
  ReopenSpectrumType(kSetupClipboardImport);
}

void KavoForm::mnuCancelSim_Click() {
  gLineFit = 0;
  SetupLinefitting(false);
  CalcSpectrum(-1);
}

void KavoForm::mnuClipBrd_Click() {
  SetPicTag("No");
  CreatePlotDocument();
  CopyPlotToClipboard();
  SetPicTag("");
}

void KavoForm::mnuExportData_Click() {
  // In stick mode the sticks stay on screen; nothing is copied then.
  DrawSpectra(gNumLines, gTraceColors[0], true);
}

void KavoForm::mnuExportImage_Click() {
  const std::string tag = host_.ShowExportDialog(mExportSettings);
  mExportConfirmed = tag.size() >= 6;
  if (mExportConfirmed) mExportSettings = tag;
  if (!mExportConfirmed) return;
  CreatePlotDocument();
  Output().ExportBySpec(mExportSettings);
}

void KavoForm::ExportFrame(const char* format, const char* target, int16_t index) {
  CreatePlotDocument();
  const std::string frame = ctl_.Get(Ctl::mnuExportWMFC, index).Tag;
  Output().ExportBySpec(std::string(format) + target + frame);
}

void KavoForm::mnuExportWMFC_Click(int16_t index) { ExportFrame("WMF-S ", "Clip ", index); }
void KavoForm::mnuExportWMFD_Click(int16_t index) { ExportFrame("WMF-S ", "Disk ", index); }
void KavoForm::mnuExportGIFD_Click(int16_t index) { ExportFrame("GIF-S ", "Disk ", index); }
void KavoForm::mnuExportBMPD_Click(int16_t index) { ExportFrame("BMP-S ", "Disk ", index); }
void KavoForm::mnuExportEPSD_Click(int16_t index) { ExportFrame("EPS ", "Disk ", index); }
