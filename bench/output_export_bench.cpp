// Exports of the plot document of an AB simulation fitted to a 16384-point experimental spectrum:
// metafiles and a bitmap saved to disk through the export entry, and a page printed on the
// PDF-file printer. Runs on Qt's offscreen platform; every file dialog answers a path in the
// temporary folder and every message box its default button.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QWidget>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "documents/data_file.h"
#include "documents/file_dialog.h"
#include "documents/file_startup.h"
#include "documents/plot_document.h"
#include "documents/spec_record.h"
#include "drawlib/app_hooks_kavo.h"
#include "drawlib/color_scheme.h"
#include "drawlib/drawlib_init.h"
#include "drawlib/ini/libr_ini.h"
#include "drawlib/pardata.h"
#include "drawlib/document_services.h"
#include "drawlib/ps_interface.h"
#include "drawlib/params_apply.h"
#include "drawlib/steps/step_list.h"
#include "engine/calc_spectrum.h"
#include "engine/engine_globals.h"
#include "engine/type_tables.h"
#include "output/export_by_spec.h"
#include "output/export_pictures.h"
#include "output/output_printer.h"
#include "output/output_registration.h"
#include "output/output_services.h"
#include "output/postscript_writer.h"
#include "output/printer_control.h"
#include "output/ui/qt_export_pictures.h"
#include "output/ui/qt_output_printer.h"
#include "platform/msgbox.h"

namespace {

namespace fs = std::filesystem;

constexpr int kPoints = 16384;

const fs::path& Folder() {
  static const fs::path folder = [] {
    fs::path f = fs::temp_directory_path() / "kavo_bench_output_export";
    fs::create_directories(f);
    return f;
  }();
  return folder;
}

class FixedDialog : public FileDialogService {
 public:
  std::string Show(const FileDialogRequest&) override { return answer; }
  std::string answer;
};

class SilentBoxes : public MsgBoxHandler {
 public:
  int Message(const std::string&, int style, const std::string&) override {
    return MsgBoxDefaultAnswer(style);
  }
  std::string Input(const std::string&, const std::string&, const std::string& defaultText,
                    bool& cancelled) override {
    cancelled = false;
    return defaultText;
  }
};

QApplication& App() {
  static int argc = 1;
  static char name[] = "bench_output_export";
  static char* argv[] = {name, nullptr};
  static QApplication app(argc, argv);
  return app;
}

// The library, the engine and the plot document, as the main window has them before an export.
struct Plot {
  Plot() {
    SetMsgBoxHandler(&boxes);
    SetFileDialogService(&dialog);
    DrawLibReset();
    PardataBuild();
    IniRegisterFile((Folder() / "KAVO71.ini").string());  // absent: the built-in defaults
    PrinterControlReset();
    PrinterControlRegister();
    int16_t mode = kApplyToLibrary | kApplyNoPrinter;
    ParamsApply(std::string(1, char(35)), mode);
    SchemeBackColor = 0xFFFFFF;  // black on white
    SchemeForeColor = 0;
    std::ifstream in(KAVO71_DAT_PATH, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    DataFileSetBytes(bytes.str());
    PostScriptWriterRegister();
    DocumentServicesRegister();
    SetAppHooks(&hooks);
    window.resize(800, 600);
    pictures = std::make_unique<QtExportPictures>(&window, &window);
    SetExportPictures(pictures.get());
    OutputServicesRegister();

    gVertScale = 5000;
    gBaseLnTwips = gExpBaseLnTwips = 4600;
    gDiffBaseLnTwips = 1500;
    LoadSimTypeTables(2);
    gNumPts = kPoints;
    RedimSpectrum(gNumPts);
    gHzPerPt = gSpectHz / gNumPts;
    CalcSpectrum(-1);
    // The experimental spectrum: the calculated one with a ripple, shown with the fit.
    for (int i = 1; i <= gNumPts; ++i)
      gSpecExp[size_t(i)] = gSpectrum[size_t(i)] + 0.01f * std::sin(0.37f * float(i));
    gLineFit = 1;
    gPrintBoxWidth = 7000;
    gPrintBoxHeight = 4000;
    gSpec.MHz = 200;
    CreateSimPlot(0);
  }
  ~Plot() {
    SetOutputPrinter(nullptr);
    SetExportPictures(nullptr);
    SetAppHooks(nullptr);
    SetDocumentServices(nullptr);
    SetPostScriptWriter(nullptr);
    SetFileDialogService(nullptr);
    SetMsgBoxHandler(nullptr);
    IniResetForTests();
    DrawLibReset();
    gLineFit = 0;
  }

  QApplication& app = App();  // before the widget
  SilentBoxes boxes;
  FixedDialog dialog;
  KavoHooks hooks;
  QWidget window;
  std::unique_ptr<QtExportPictures> pictures;
};

void FileCounters(benchmark::State& state, const std::string& path) {
  state.counters["points"] = gNumPts;
  state.counters["steps"] = StepCountGet();
  std::error_code ec;
  const auto size = fs::file_size(path, ec);
  if (ec || size == 0) state.SkipWithError("no file written");
  else state.counters["bytes"] = double(size);
}

void BM_ExportToDisk(benchmark::State& state, const char* spec, const char* name) {
  Plot plot;
  plot.dialog.answer = (Folder() / name).string();
  for (auto _ : state) ExportBySpec(spec);
  FileCounters(state, plot.dialog.answer);
}

void BM_PrintToPdf(benchmark::State& state) {
  Plot plot;
  QtOutputPrinter printer(true);
  SetOutputPrinter(&printer);
  int16_t mode = kApplyToLibrary;  // the printable area of the printer's page
  ParamsApply(std::string(1, char(35)), mode);
  plot.dialog.answer = (Folder() / "plot.pdf").string();
  const OutputRegion page{PrintableRect.left, PrintableRect.bottom, PrintableRect.right,
                          PrintableRect.top};
  for (auto _ : state) Output().RenderOutput(page, 1, StepCountGet(), 0, 68);
  FileCounters(state, plot.dialog.answer);
}

BENCHMARK_CAPTURE(BM_ExportToDisk, WmfScreen, "WMF-S Disk Page ", "plot-s.wmf")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ExportToDisk, WmfPrinter, "WMF-P Disk Page ", "plot-p.wmf")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ExportToDisk, Emf, "EMF-S Disk Page ", "plot.emf")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ExportToDisk, Gif, "GIF-S Disk Page ", "plot.gif")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PrintToPdf)->Unit(benchmark::kMillisecond);

}  // namespace
