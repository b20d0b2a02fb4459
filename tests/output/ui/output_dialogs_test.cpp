#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include <functional>

#include "drawlib/device/world_window.h"
#include "drawlib/ini/libr_ini.h"
#include "drawlib/printer_interface.h"
#include "documents/file_dialog.h"
#include "drawlib/app_hooks_kavo.h"
#include "drawlib/steps/step_list.h"
#include "tests/support/msgbox_recorder.h"
#include "output/bottom_label.h"
#include "output/layout_model.h"
#include "output/output_printer.h"
#include "output/printer_control.h"
#include "output/ui/qt_output_printer.h"
#include "output/ui/frm_bottom_text.h"
#include "output/ui/frm_pref1.h"
#include "output/ui/output_dialogs.h"
#include "output/ui/page_picture.h"
#include "output/ui/preview_printer.h"
#include "output/ui/zef1_export.h"
#include "output/ui/zef1_prev.h"
#include "tests/output/output_model_fixture.h"
#include "tests/support/process_state.h"

namespace {

// Runs the action on the modal dialog of the given type once it is up.
template <typename D>
void WhenUp(std::function<void(D*)> action) {
  QTimer::singleShot(0, [action] {
    auto* d = dynamic_cast<D*>(QApplication::activeModalWidget());
    ASSERT_NE(d, nullptr);
    action(d);
  });
}

class OutputDialogs : public OutputModelTest {
 protected:
  void SetUp() override {
    OutputModelTest::SetUp();
    for (int i = 0; i <= 11; ++i) gSimPar[i].Name = "P" + std::to_string(i);
  }
  std::string Position(const char* key) {
    return IniGetString("Dialog Position and Size", key, "");
  }
};

TEST_F(OutputDialogs, ExportDialogDefaultGivesWmfFrameClipAndCancelGivesNothing) {
  WhenUp<Zef1Export>([](Zef1Export* d) {
    EXPECT_EQ(d->Label1->text(), "WMF-P Frame Clip");
    EXPECT_FALSE(d->optGraphics[5]->isVisible());
    d->cmdExit->click();
  });
  EXPECT_EQ(ExportSetupDialog(nullptr, ""), "WMF-P Frame Clip");
  const std::string pos = Position("ExportSetup");
  EXPECT_NE(pos.find(", "), std::string::npos) << pos;  // Str's blanks
  WhenUp<Zef1Export>([](Zef1Export* d) {
    d->optGraphics[3]->click();
    EXPECT_FALSE(d->optOutput[1]->isEnabled());
    d->close();  // the close box: Cancel
  });
  EXPECT_EQ(ExportSetupDialog(nullptr, "GIF-S Page Disk"), "");
}

TEST_F(OutputDialogs, PreviewShowsOkAndCancelRestoresTheScale) {
  Zef1Prev preview;
  preview.DefaultPict(nullptr);
  WhenUp<Zef1Prev>([](Zef1Prev* d) {
    EXPECT_EQ(d->Tag(), "OK");
    EXPECT_FALSE(d->picPrintSetup->Frame().empty());
    d->cmdPrintPrev_Click(9);
    d->cmdPrintPrev_Click(9);
    d->cmdPrintPrev_Click(6);
  });
  preview.RunModal();
  EXPECT_FLOAT_EQ(Pardata[35].Default, 1.0f);
}

TEST_F(OutputDialogs, PreviewOpensFooterAndLayoutWithoutLosingItsState) {
  gSimTypes[5].LastPar = 11;
  Zef1Prev preview;
  WhenUp<Zef1Prev>([](Zef1Prev* d) {
    d->cmdPrintPrev_Click(10);
    const float scale = Pardata[35].Default;
    WhenUp<frmBottomText>([](frmBottomText* f) {
      f->cmdBTxt[0]->click();
      f->cmdBTxt[0]->click();
      EXPECT_EQ(f->FieldList(), "Date|");
      EXPECT_TRUE(f->lblBTxt->text().startsWith("VIREO "));
      f->cmdExit->click();
    });
    d->cmdPrintPrev_Click(1);
    WhenUp<frmPref1>([](frmPref1* l) {
      ASSERT_EQ(l->chkParToPrint.size(), 12u);
      EXPECT_EQ(l->chkParToPrint[11]->y() - l->chkParToPrint[1]->y(),
                l->chkParToPrint[10]->y() - l->chkParToPrint[0]->y());
      EXPECT_GT(l->chkParToPrint[10]->y(), l->chkParToPrint[5]->y());
      l->cmdPrintPref[5]->click();
    });
    d->cmdPrintPrev_Click(11);
    EXPECT_FLOAT_EQ(Pardata[35].Default, scale);  // not reset by coming back
    EXPECT_EQ(d->Tag(), "OK");
    d->optPagepPage[1]->setChecked(true);
    d->cmdPrintPrev_Click(8);
  });
  EXPECT_EQ(preview.RunModal(), "Print < 1- 2> 2]");
  EXPECT_FALSE(Position("BottomTextDialog").empty());
  EXPECT_FALSE(Position("KavoSpecLayout").empty());
}

// The layout dialog shows the box in whole millimetres: a size the user leaves alone keeps its
// exact value through the preview and OK, a size typed or set by "Full" takes the millimetres.
TEST_F(OutputDialogs, LayoutKeepsTheBoxSizesTheUserLeftAlone) {
  gPrintBoxWidth = 7874;  // 195.87 mm
  gPrintBoxHeight = 5000.5f;
  Zef1Prev preview;
  WhenUp<Zef1Prev>([](Zef1Prev* d) {
    WhenUp<frmPref1>([](frmPref1* l) {
      EXPECT_EQ(l->txtWdHt[0]->text().toStdString(), " 196");
      l->cmdPrintPref[6]->click();  // the preview, then OK
      l->cmdPrintPref[5]->click();
    });
    d->cmdPrintPrev_Click(11);
    EXPECT_EQ(gPrintBoxWidth, 7874);
    EXPECT_EQ(gPrintBoxHeight, 5000.5f);

    WhenUp<frmPref1>([](frmPref1* l) {
      l->txtWdHt[0]->selectAll();
      QTest::keyClicks(l->txtWdHt[0], "150");
      l->cmdPrintPref[5]->click();
    });
    d->cmdPrintPrev_Click(11);
    EXPECT_EQ(gPrintBoxWidth, 150 * 40.2f);
    EXPECT_EQ(gPrintBoxHeight, 5000.5f);

    static std::string full;
    WhenUp<frmPref1>([](frmPref1* l) {
      l->cmdPrintFullWdHt_Click(1);
      full = l->txtWdHt[1]->text().toStdString();
      l->cmdPrintPref[5]->click();
    });
    d->cmdPrintPrev_Click(11);
    EXPECT_EQ(gPrintBoxHeight, float(std::stoi(full)) * 40.2f) << full;
    EXPECT_EQ(gPrintBoxWidth, 150 * 40.2f);
    d->cmdPrintPrev_Click(6);
  });
  preview.RunModal();
}

TEST_F(OutputDialogs, ThePdfFilePrinterIsNamedInTheCaptionAndTheList) {
  QtOutputPrinter printer(true);
  SetOutputPrinter(&printer);
  // A list kept from before holds a blank entry.
  IniPutString("Printers", "0", "");
  IniPutString("Printers", "1", "Office Laser");
  {
    Zef1Prev preview;
    WhenUp<Zef1Prev>([](Zef1Prev* d) {
      EXPECT_EQ(d->windowTitle().toStdString(), "Print Setup - PDF file");
      ASSERT_EQ(d->lstPrinters->count(), 2);
      EXPECT_EQ(d->lstPrinters->itemText(0).toStdString(), "PDF file");
      EXPECT_EQ(d->lstPrinters->itemText(1).toStdString(), "Office Laser");
      EXPECT_EQ(d->lstPrinters->currentText().toStdString(), "PDF file");
      d->cmdPrintPrev_Click(6);
    });
    preview.RunModal();
  }
  EXPECT_EQ(IniGetString("Printers", "0", "?"), "PDF file");
  SetOutputPrinter(nullptr);
}

TEST_F(OutputDialogs, LayoutFullSizesFitThePaperAndShowBlack) {
  // Letter at 600 dpi, as the print set-up keeps it.
  PrinterPage.paperWidth = 8678;
  PrinterPage.paperHeight = 11230;
  Pardata[35].Default = 0.7f;
  frmPref1 layout(nullptr, nullptr);
  for (int box : {0, 1}) {
    SCOPED_TRACE(box);
    layout.cmdPrintFullWdHt_Click(box);
    EXPECT_EQ(layout.txtWdHt[box]->text().toStdString(), box == 0 ? " 308" : " 399");
    EXPECT_FALSE(layout.txtWdHt[box]->styleSheet().contains("255")) << "shown red";
    const float size = box == 0 ? gPrintBoxWidth : gPrintBoxHeight;
    EXPECT_LE(size * 0.7f, box == 0 ? 8678.0f : 11230.0f);
    // The same number typed shows the same, one more is red.
    layout.txtWdHt[box]->setText(box == 0 ? "308" : "399");
    layout.BoxSizeValidate(box == 0 ? 2 : 4);
    EXPECT_FALSE(layout.txtWdHt[box]->styleSheet().contains("255"));
    layout.txtWdHt[box]->setText(box == 0 ? "309" : "400");
    layout.BoxSizeValidate(box == 0 ? 2 : 4);
    EXPECT_TRUE(layout.txtWdHt[box]->styleSheet().contains("255"));
  }
}

// Whether the pixel is the white of the question mark.
bool White(const QImage& image, double x16, double y16) {
  const double k = image.width() / 16.0;
  const QColor c = image.pixelColor(int(x16 * k), int(y16 * k));
  return c.alpha() > 200 && c.red() > 200 && c.green() > 200 && c.blue() > 200;
}

TEST_F(OutputDialogs, LayoutHelpButtonShowsAQuestionMarkAtBothResolutions) {
  frmPref1 layout(nullptr, nullptr);
  const QIcon icon = layout.cmdPrintPref[8]->icon();
  ASSERT_FALSE(icon.isNull());
  EXPECT_EQ(layout.cmdPrintPref[8]->iconSize(), QSize(16, 16));
  for (int side : {16, 32}) {  // 96 and 192 DPI
    SCOPED_TRACE(side);
    EXPECT_TRUE(icon.availableSizes().contains(QSize(side, side))) << "drawn, not scaled";
    const QImage image = icon.pixmap(QSize(side, side), 1.0).toImage();
    ASSERT_EQ(image.width(), side);
    int red = 0;
    for (int y = 0; y < side; ++y)
      for (int x = 0; x < side; ++x) {
        const QColor c = image.pixelColor(x, y);
        if (c.alpha() > 100 && c.red() > 150 && c.green() < 100 && c.blue() < 100) ++red;
      }
    EXPECT_EQ(red, 0);
    // The hook's top and the dot on the middle line with the disc between them; the diagonals
    // of a cross are not white.
    EXPECT_TRUE(White(image, 8, 3.5));
    EXPECT_TRUE(White(image, 8, 12.4));
    EXPECT_FALSE(White(image, 8, 11.0));
    EXPECT_FALSE(White(image, 4.5, 11.5));
    EXPECT_FALSE(White(image, 11.5, 11.5));
    EXPECT_FALSE(White(image, 4.5, 4.5));
  }
}

TEST_F(OutputDialogs, PrintWithFullPageGivesOnePdfPageWithTheFooter) {
  ScratchFolder folder;
  MsgBoxRecorder boxes;
  const std::string pdf = folder.File("preview.pdf");
  // The program's printer, printing to a PDF file whose name the file dialog gives.
  QtOutputPrinter printer(true);
  SetOutputPrinter(&printer);
  PrinterControlRegister();
  KavoHooks hooks;  // the footer is the application's caption line
  SetAppHooks(&hooks);
  struct PdfName : FileDialogService {
    std::string path;
    std::string Show(const FileDialogRequest&) override { return path; }
  } name;
  name.path = pdf;
  SetFileDialogService(&name);
  Pardata[48].Default = 1;
  IniPutString("ExportButtons", "DrawingName", "Print Scale|");
  // A drawing to print: a line and a label.
  StepCreate(0, -2000, -1000, "", StepData{});
  StepCreate(1, 2000, 1000, "", StepData{});
  StepCreate(kStepLabel, -1500, 500, "F  H = 4 > Hz 123", StepData{});
  OutputObject* before = OutputTarget;
  WhenUp<Zef1Prev>([](Zef1Prev* d) { d->cmdPrintPrev_Click(8); });
  PrintWithPreview(nullptr);
  EXPECT_EQ(OutputTarget, before);
  EXPECT_NE(Position("PrintPreview").find(", "), std::string::npos);
  QProcess info;
  info.start("pdfinfo", {QString::fromStdString(pdf)});
  info.waitForFinished();
  const QByteArray infoText = info.readAllStandardOutput();
  for (const auto& b : boxes.texts()) ADD_FAILURE() << "box: " << b;
  EXPECT_TRUE(QString(infoText).contains(QRegularExpression("Pages:\\s+1\\n")))
      << infoText.toStdString();
  QProcess text;
  text.start("pdftotext", {QString::fromStdString(pdf), "-"});
  text.waitForFinished();
  const QByteArray footer = text.readAllStandardOutput();
  EXPECT_TRUE(footer.contains("VIREO Scale: 1.00")) << footer.toStdString();
  SetFileDialogService(nullptr);
  PrinterControlReset();
  SetOutputPrinter(nullptr);
  SetAppHooks(nullptr);
}

}  // namespace
