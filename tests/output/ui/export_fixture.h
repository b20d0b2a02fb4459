// The set-up of the tests that plot the current simulation and print or export it as the main
// window does: the program data file, the PostScript writer, the document services, the
// clipboard, the export pictures and an output host that builds the plot document.
#pragma once

#include <gtest/gtest.h>

#include <QWidget>

#include <memory>
#include <string>

#include "documents/data_file.h"
#include "documents/file_startup.h"
#include "documents/plot_document.h"
#include "drawlib/app_hooks.h"
#include "drawlib/app_hooks_kavo.h"
#include "drawlib/document_services.h"
#include "drawlib/steps/step_list.h"
#include "engine/engine_globals.h"
#include "output/export_by_spec.h"
#include "output/export_pictures.h"
#include "output/output_host.h"
#include "output/output_printer.h"
#include "output/output_registration.h"
#include "output/postscript_writer.h"
#include "output/ui/qt_export_pictures.h"
#include "output/ui/qt_output_printer.h"
#include "platform/ui/qt_clipboard.h"
#include "tests/output/output_fixture.h"
#include "tests/output/reader_tools.h"
#include "tests/support/scratch_folder.h"

// The plot document of the current simulation, as the main window builds it.
class PlotHost final : public OutputHost {
 public:
  void CreateSimPlot(int16_t mode) override { ::CreateSimPlot(mode); }
  void MainPictureRepaint() override {}
  void HelpShowTopic(int32_t) override {}
  void ControlHelpPopup(int32_t) override {}
  int16_t CurrentPage() override { return 1; }
  int16_t PageCount() override { return 1; }
  std::string TypeCaption() override { return gSimTypes[gSimType].Caption; }
};

class PlotExportTest : public OutputTest {
 protected:
  void SetUp() override {
    OutputTest::SetUp();
    DataFileSetBytes(Slurp(KAVO71_DAT_PATH));
    PostScriptWriterRegister();
    DocumentServicesRegister();
    SetAppHooks(&hooks_);
    SetClipboardDevice(&clipboard_);
    pictures_ = std::make_unique<QtExportPictures>(&window_, &window_);
    SetExportPictures(pictures_.get());
    RegisterOutputHost(&host_);
    OutputServicesRegister();
  }
  void TearDown() override {
    RegisterOutputHost(nullptr);
    SetExportPictures(nullptr);
    SetClipboardDevice(nullptr);
    SetAppHooks(nullptr);
    SetDocumentServices(nullptr);
    SetPostScriptWriter(nullptr);
    OutputTest::TearDown();
  }
  // Exports by the spec to a file of the scratch folder, named through the save dialog.
  std::string Export(const std::string& spec, const std::string& name) {
    const std::string path = folder_.File(name);
    dialogs.answers.push_back(path);
    ExportBySpec(spec);
    return path;
  }

  KavoHooks hooks_;
  QtClipboardDevice clipboard_;
  QWidget window_;
  std::unique_ptr<QtExportPictures> pictures_;
  PlotHost host_;
  ScratchFolder folder_;
};

// The AB plot with the box's parameters, printed on the PDF-file printer.
class PrintedPlotTest : public PlotExportTest {
 protected:
  void SetUp() override {
    PlotExportTest::SetUp();
    SetOutputPrinter(&printer_);
    CalculateAbSimulation();
    gPrintBoxToggles = 0x003F;  // scale, caption, heading, parameters in the box, ID, box
  }
  void TearDown() override {
    SetOutputPrinter(nullptr);
    PlotExportTest::TearDown();
  }

  QtOutputPrinter printer_{true};
};
