// One plot printed on the PDF-file printer (through the preview and its layout dialog) and
// exported as EPS and as a Windows metafile: each file, read back by its own reader
// (pdftotext, Ghostscript's text device, wmf2svg), lists the spectrum box's parameters the
// layout dialog left checked, in the same order: the type's panel order.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>

#include "documents/file_startup.h"
#include "drawlib/text/label_attrs.h"
#include "engine/engine_globals.h"
#include "output/output_printer.h"
#include "output/ui/frm_pref1.h"
#include "output/ui/output_dialogs.h"
#include "output/ui/qt_output_printer.h"
#include "output/ui/zef1_prev.h"
#include "platform/runtime_text.h"
#include "tests/output/reader_tools.h"
#include "tests/output/ui/export_fixture.h"

namespace {

// The parameter names of "name = value" texts, in the order the reader gives them.
std::vector<std::string> ListedNames(const std::string& text) {
  std::vector<std::string> names;
  QRegularExpression item("([A-Za-z][A-Za-z\\-]*) = -?\\d");
  auto it = item.globalMatch(QString::fromStdString(text));
  while (it.hasNext()) names.push_back(it.next().captured(1).toStdString());
  return names;
}

class PrintExportAlike : public PrintedPlotTest {};

TEST_F(PrintExportAlike, PrintedAndExportedPlotsListTheBoxParametersInThePanelOrder) {
  const std::string pdf = folder_.File("plot.pdf"), eps = folder_.File("plot.eps"),
                    wmf = folder_.File("plot.wmf"), svg = folder_.File("plot.svg");
  // Print: the preview, its layout dialog closed with OK, then Print.
  CreateSimPlot(0);
  dialogs.answers = {pdf};
  QTimer::singleShot(0, [] {
    auto* preview = dynamic_cast<Zef1Prev*>(QApplication::activeModalWidget());
    ASSERT_NE(preview, nullptr);
    QTimer::singleShot(0, [] {
      auto* layout = dynamic_cast<frmPref1*>(QApplication::activeModalWidget());
      ASSERT_NE(layout, nullptr);
      // Wa is left out of the box.
      ASSERT_EQ(layout->chkParToPrint[7]->text().toStdString(), "Wa");
      layout->chkParToPrint[7]->setChecked(false);
      layout->cmdPrintPref[5]->click();
    });
    preview->cmdPrintPrev_Click(11);
    preview->cmdPrintPrev_Click(8);
  });
  PrintWithPreview(nullptr);
  // The exports, each with the plot built anew as the export commands do.
  dialogs.answers = {eps, wmf};
  CreateSimPlot(0);
  ExportBySpec("EPS Disk Page ");
  CreateSimPlot(0);
  ExportBySpec("WMF-S Disk Page ");
  for (const RecordedBox& b : boxes.boxes())
    EXPECT_EQ(b.text.find("Saved to Disk"), 0u) << b.text;

  // The panel order of AB: Jab, Vab, Vcentr, Va, Vb, ..., without Wa.
  std::vector<std::string> panel;
  for (char c : gSimTypes[2].Order)
    if (c - 48 != 7) panel.push_back(Trim(gSimPar[size_t(c - 48)].Name));
  ASSERT_GE(panel.size(), 5u);
  ASSERT_EQ(panel[2], "Vcentr");
  Shell("wmf2svg -o " + svg + " " + wmf);
  const struct {
    const char* reader;
    std::string text;
  } files[] = {
      {"pdftotext", Shell("pdftotext " + pdf + " -")},
      {"gs txtwrite", Shell("gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=txtwrite -sOutputFile=- " +
                            eps)},
      {"wmf2svg", Slurp(svg)},
  };
  for (const auto& f : files) {
    SCOPED_TRACE(f.reader);
    EXPECT_EQ(ListedNames(f.text), panel) << f.text.substr(0, 1500);
  }
}

}  // namespace
