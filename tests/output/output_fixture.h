// Test fixture of printing and export: fresh process state with the preference table, an empty
// settings file, recorded message boxes, a scripted file dialog, a small drawing (two lines and
// a label) in the step list, and an AB simulation to plot.
#pragma once

#include <deque>
#include <functional>
#include <string>

#include "documents/file_dialog.h"
#include "documents/file_location.h"
#include "drawlib/color_scheme.h"
#include "drawlib/device/world_window.h"
#include "drawlib/params_apply.h"
#include "drawlib/steps/step_list.h"
#include "engine/calc_spectrum.h"
#include "engine/engine_globals.h"
#include "engine/type_tables.h"
#include "output/bottom_label.h"
#include "output/printer_control.h"
#include "platform/clipboard.h"
#include "tests/drawlib/drawlib_state.h"
#include "tests/support/process_state.h"

// Answers every file dialog from a script ("" cancels) and keeps the requests; `whileOpen`
// runs while a dialog would be up.
class ScriptedFileDialog : public FileDialogService {
 public:
  ScriptedFileDialog() { SetFileDialogService(this); }
  ~ScriptedFileDialog() override { SetFileDialogService(nullptr); }
  std::string Show(const FileDialogRequest& request) override {
    requests.push_back(request);
    if (whileOpen) whileOpen();
    if (answers.empty()) return "";
    std::string a = answers.front();
    answers.pop_front();
    return a;
  }
  std::deque<std::string> answers;
  std::vector<FileDialogRequest> requests;
  std::function<void()> whileOpen;
};

class OutputTest : public DrawlibState {
 protected:
  void SetUp() override {
    ResetProcessState();
    DrawlibState::SetUp();
    PrinterControlRegister();
    int16_t mode = kApplyToLibrary | kApplyNoPrinter;
    ParamsApply(std::string(1, char(35)), mode);
    SchemeBackColor = 0xFFFFFF;  // black on white, as the default colours
    SchemeForeColor = 0;
  }
  void TearDown() override {
    DrawlibState::TearDown();
    ResetProcessState();
  }
  // Two lines from (-2000, -1000) and a label near the middle, world units.
  static void MakeDrawing() {
    StepCreate(0, -2000, -1000, "", StepData{});
    StepCreate(1, 2000, -1000, "", StepData{});
    StepCreate(1, 2000, 1000, "", StepData{});
    StepCreate(kStepLabel, -1500, 500, "F  H = 4 > Hz 123", StepData{});
  }

  // An AB simulation on a 600-point grid, calculated as the main window would, with the
  // picture's vertical scale and baseline the plot takes its heights from, and the printed
  // spectrum box as the main window keeps it (world units).
  static void CalculateAbSimulation() {
    gVertScale = 5000;
    gBaseLnTwips = gExpBaseLnTwips = 4600;
    gDiffBaseLnTwips = 1500;
    LoadSimTypeTables(2);
    gNumPts = 600;
    RedimSpectrum(gNumPts);
    gHzPerPt = gSpectHz / gNumPts;
    CalcSpectrum(-1);
    gPrintBoxWidth = 7000;
    gPrintBoxHeight = 4000;
  }

  ScriptedFileDialog dialogs;
};
