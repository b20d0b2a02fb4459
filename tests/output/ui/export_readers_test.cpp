// Exports of a small drawing, read back by independent programs: wmf2svg and wmf2gd (libwmf),
// emf2svg-conv, bmptopnm (netpbm), giftext (giflib), pdfinfo and pdftotext (poppler), and Qt's
// image reader.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <QWidget>

#include <array>
#include <cstdio>
#include <functional>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

#include "drawlib/app_hooks.h"
#include "drawlib/app_hooks_kavo.h"
#include "drawlib/color_scheme.h"
#include "drawlib/pardata.h"
#include "output/export_by_spec.h"
#include "output/export_pictures.h"
#include "output/output_printer.h"
#include "output/output_registration.h"
#include "output/output_services.h"
#include "output/ui/qt_export_pictures.h"
#include "output/ui/output_dialogs.h"
#include "output/ui/qt_output_printer.h"
#include "output/ui/zef1_export.h"
#include "platform/atomic_file.h"
#include "platform/ui/qt_clipboard.h"
#include "tests/output/output_fixture.h"
#include "tests/output/reader_tools.h"

namespace {

// Message boxes recorded, with a check run while each box would be open.
class WatchedBoxes : public MsgBoxRecorder {
 public:
  int Message(const std::string& text, int style, const std::string& title) override {
    if (whileOpen) whileOpen();
    return MsgBoxRecorder::Message(text, style, title);
  }
  std::function<void()> whileOpen;
};

class ExportReadersTest : public OutputTest {
 protected:
  void SetUp() override {
    OutputTest::SetUp();
    SetClipboardDevice(&clipboard_);
    window_.resize(800, 600);
    pictures_ = std::make_unique<QtExportPictures>(&window_, &window_);
    SetExportPictures(pictures_.get());
    OutputServicesRegister();
    MakeDrawing();
  }
  void TearDown() override {
    SetOutputPrinter(nullptr);
    SetExportPictures(nullptr);
    SetClipboardDevice(nullptr);
    OutputTest::TearDown();
  }
  // Exports to a file of the scratch folder through the save dialog.
  std::string ExportToFile(const std::string& spec, const std::string& name) {
    const std::string path = folder_.File(name);
    dialogs.answers.push_back(path);
    ExportBySpec(spec);
    return path;
  }

  ScratchFolder folder_;
  QtClipboardDevice clipboard_;
  QWidget window_;
  std::unique_ptr<QtExportPictures> pictures_;
};

TEST_F(ExportReadersTest, WindowsMetafilesReadByLibwmf) {
  for (const char* spec : {"WMF-S Disk Draw", "WMF-P Disk Frame"}) {
    SCOPED_TRACE(spec);
    boxes.Clear();
    const std::string path = ExportToFile(spec, "plot.wmf");
    ASSERT_EQ(boxes.count(), 1u);
    EXPECT_EQ(boxes.last().text, "Saved to Disk: " + path + "\r\n\r\n");
    EXPECT_EQ(boxes.last().title, "ZEF Export");
    EXPECT_EQ(boxes.last().style, vbInformation);
    const std::string bytes = Slurp(path);
    ASSERT_GT(bytes.size(), 22u);
    const int right = uint8_t(bytes[10]) | uint8_t(bytes[11]) << 8;
    const int bottom = uint8_t(bytes[12]) | uint8_t(bytes[13]) << 8;
    const int inch = uint8_t(bytes[14]) | uint8_t(bytes[15]) << 8;
    const std::string svg = Shell("wmf2svg -o " + folder_.File("plot.svg") + " " + path +
                                " && cat " + folder_.File("plot.svg"));
    // The picture's size: the header's box at its units per inch, in points.
    const double widthPt = right * 72.0 / inch, heightPt = bottom * 72.0 / inch;
    EXPECT_NE(svg.find("<svg"), std::string::npos) << svg.substr(0, 400);
    // Two lines in the pen's colour, no filled background on white.
    EXPECT_NE(svg.find("<line"), std::string::npos);
    EXPECT_NE(svg.find("stroke:black"), std::string::npos);
    EXPECT_EQ(svg.find("<rect"), std::string::npos) << svg.substr(0, 900);
    const size_t w = svg.find("width=\""), h = svg.find("height=\"");
    ASSERT_TRUE(w != std::string::npos && h != std::string::npos);
    const double svgW = std::stod(svg.substr(w + 7)), svgH = std::stod(svg.substr(h + 8));
    EXPECT_NEAR(svgW / svgH, widthPt / heightPt, 0.02 * widthPt / heightPt);
    if (inch == 96) {  // screen-referenced: one svg unit per pixel of the header's box
      EXPECT_EQ(int(svgW), right);
      EXPECT_EQ(int(svgH), bottom);
    }
    const std::string gd = Shell("wmf2gd -t png -o " + folder_.File("plot.png") + " " + path +
                               " && echo ok");
    EXPECT_NE(gd.find("ok"), std::string::npos) << gd;
  }
}

TEST_F(ExportReadersTest, EnhancedMetafileReadByEmf2svg) {
  FileLocation[kLocDrawingName] = "unnamed01.zef";
  const std::string path = ExportToFile("EMF-S Disk Draw", "plot.emf");
  const std::string out = Shell("emf2svg-conv -v -i " + path + " -o " + folder_.File("plot.svg"));
  EXPECT_NE(out.find("TOLVEN V 7.1"), std::string::npos);
  EXPECT_NE(out.find("ZEF1620 EMF - unnamed01.zef"), std::string::npos);
  const std::string svg = Slurp(folder_.File("plot.svg"));
  // The frame's size in pixels of the reference screen, the lines in the pen's colour.
  EXPECT_NE(svg.find("<svg"), std::string::npos);
  EXPECT_NE(svg.find("L 271.0000,140.0000"), std::string::npos) << svg.substr(0, 800);
  EXPECT_NE(svg.find("stroke=\"#000000\""), std::string::npos);
  EXPECT_EQ(svg.find("<rect"), std::string::npos) << "no background on white";
}

TEST_F(ExportReadersTest, BitmapsReadByNetpbmGiflibAndQt) {
  SchemeBackColor = 0x00E0F0FF;
  const std::string bmp = ExportToFile("BMP-S Disk Draw", "plot.bmp");
  const QImage fromBmp(QString::fromStdString(bmp));
  ASSERT_FALSE(fromBmp.isNull());
  const std::string pnm = Shell("bmptopnm " + bmp + " | head -c 20");
  EXPECT_EQ(pnm.substr(0, 2), "P6") << pnm;
  EXPECT_NE(pnm.find(std::to_string(fromBmp.width()) + " " + std::to_string(fromBmp.height())),
            std::string::npos)
      << pnm;
  // Filled with the scheme's background before drawing.
  EXPECT_EQ(fromBmp.pixel(0, 0) & 0xFFFFFF, 0xFFF0E0u);

  const std::string gif = ExportToFile("GIF-S Disk Draw", "plot.gif");
  const std::string text = Shell("giftext " + gif);
  EXPECT_NE(text.find("Width = " + std::to_string(fromBmp.width())), std::string::npos);
  EXPECT_NE(text.find("Transparency on: yes"), std::string::npos) << text;
  const QImage fromGif(QString::fromStdString(gif));
  ASSERT_FALSE(fromGif.isNull());
  EXPECT_EQ(fromGif.size(), fromBmp.size());
  EXPECT_EQ(qAlpha(fromGif.pixel(0, 0)), 0);  // the background is the transparent colour

  const std::string jpg = ExportToFile("JPG-S Draw", "plot.jpg");
  EXPECT_EQ(QImage(QString::fromStdString(jpg)).size(), fromBmp.size());
}

TEST_F(ExportReadersTest, AnExportLeavesTheWindowAsItWasWhileItsDialogsAreOpen) {
  window_.show();
  QApplication::processEvents();
  const QImage before = window_.grab().toImage();
  int looks = 0;
  auto unchanged = [&] {
    ++looks;
    QApplication::processEvents();
    EXPECT_TRUE(pictures_->frame()->isHidden());
    EXPECT_TRUE(window_.grab().toImage() == before) << "the export's picture is on the window";
  };
  dialogs.whileOpen = unchanged;
  WatchedBoxes watched;
  watched.whileOpen = unchanged;
  for (const char* spec : {"GIF-S Disk Draw", "BMP-S Disk Draw", "BMP Clip Draw",
                           "WMF-S Disk Draw", "EMF-P Disk Draw", "WMF-P Clip Draw"}) {
    SCOPED_TRACE(spec);
    looks = 0;
    watched.Clear();
    dialogs.answers.push_back(folder_.File("seen"));
    ExportBySpec(spec);
    ASSERT_EQ(watched.count(), 1u);
    EXPECT_EQ(watched.last().title, "ZEF Export");
    EXPECT_EQ(looks, std::string(spec).find("Disk") != std::string::npos ? 2 : 1);
    EXPECT_TRUE(window_.grab().toImage() == before);
  }
  // The picture is still held for the clipboard and the file writer.
  EXPECT_FALSE(pictures_->picture().isNull());
}

// The dots per inch the export dialog states, for the settings text; OK is clicked.
double StatedDpi(const std::string& settings, std::string& result) {
  double dpi = -1;
  QTimer::singleShot(0, [&dpi] {
    auto* d = dynamic_cast<Zef1Export*>(QApplication::activeModalWidget());
    if (!d) return;
    const QRegularExpressionMatch m =
        QRegularExpression("will be (\\d+) dots per inch").match(d->lblInfo->text());
    if (m.hasMatch()) dpi = m.captured(1).toDouble();
    d->cmdExit->click();
  });
  result = ExportSetupDialog(nullptr, settings);
  return dpi;
}

TEST_F(ExportReadersTest, TheResolutionTheExportDialogStatesIsTheOneTheBitmapHas) {
  for (float scale : {0.7f, 1.0f, 1.6f}) {
    SCOPED_TRACE(scale);
    Pardata[35].Default = scale;
    int16_t mode = kApplyToLibrary | kApplyNoPrinter;
    ParamsApply(std::string(1, char(35)), mode);
    // The world window a printer-referenced output leaves behind.
    int16_t options = 35;
    PrinterSetupRun(options);
    // The page's width at the size it prints, in inches.
    const double inches = (PrintableRect.right - PrintableRect.left) * scale / 1021.08;
    for (const char* format : {"GIF-S ", "BMP-S "}) {
      SCOPED_TRACE(format);
      std::string spec;
      const double stated = StatedDpi(std::string(format) + "Page Disk", spec);
      ASSERT_GT(stated, 0);
      ASSERT_EQ(spec.substr(0, 15), std::string(format) + "Page Disk");
      const bool gif = format[0] == 'G';
      const std::string path = ExportToFile(spec, gif ? "plot.gif" : "plot.bmp");
      const std::string header = gif ? Shell("giftext " + path)
                                     : Shell("bmptopnm " + path + " | head -c 20");
      const QRegularExpressionMatch m =
          QRegularExpression(gif ? "Width = (\\d+)" : "P6\\s+(\\d+)\\s")
              .match(QString::fromStdString(header));
      ASSERT_TRUE(m.hasMatch()) << header;
      EXPECT_NEAR(m.captured(1).toDouble() / inches, stated, 1.0) << header;
    }
  }
}

TEST_F(ExportReadersTest, ClipboardExportsPublishOneSetOfFormats) {
  ExportBySpec("WMF-S Clip Draw");
  ASSERT_EQ(boxes.count(), 1u);
  EXPECT_EQ(boxes.last().text, "Windows Metafile(WMF)Copied to ClipBoard\r\n\r\n");
  const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
  ASSERT_TRUE(mime);
  EXPECT_TRUE(mime->hasFormat("image/x-wmf"));
  EXPECT_TRUE(mime->hasImage());
  const QByteArray wmf = mime->data("image/x-wmf");
  ASSERT_GT(wmf.size(), 22);
  EXPECT_EQ(uint8_t(wmf[0]), 0xD7);  // the placeable header's key

  ExportBySpec("EMF Clip Draw");
  EXPECT_EQ(boxes.last().text, "Windows Metafile (EMF) Copied to ClipBoard\r\n\r\n");
  mime = QGuiApplication::clipboard()->mimeData();
  EXPECT_TRUE(mime->hasFormat("image/x-emf"));
  EXPECT_FALSE(mime->hasFormat("image/x-wmf"));
  EXPECT_TRUE(mime->hasImage());

  ExportBySpec("BMP Clip Draw");
  EXPECT_EQ(boxes.last().text, "Windows Bitmap Copied to Clipboard.\r\n\r\n");
  EXPECT_TRUE(QGuiApplication::clipboard()->mimeData()->hasImage());
}

TEST_F(ExportReadersTest, NothingMarkedSaysSo) {
  StepListReset();
  ExportBySpec("WMF-S Clip Draw");
  ASSERT_EQ(boxes.count(), 1u);
  EXPECT_EQ(boxes.last().text, "Nothing to Print");
  EXPECT_EQ(boxes.last().title, "ZEF Export");
  EXPECT_EQ(boxes.last().style, vbInformation);
}

TEST_F(ExportReadersTest, AFailedSaveLeavesTheOldFileAndSaysWhy) {
  const std::string missing = folder_.File("no such folder/plot.bmp");
  dialogs.answers.push_back(missing);
  ExportBySpec("BMP-S Disk Draw");
  ASSERT_GE(boxes.count(), 1u);
  // A folder that does not exist is runtime error 76, not write protection.
  EXPECT_EQ(boxes.last().text.rfind("SaveExportFile. FileSpec * " + missing +
                                        " * Contains a Path Error.",
                                    0),
            0u)
      << boxes.last().text;
  for (const RecordedBox& b : boxes.boxes()) EXPECT_EQ(b.text.find("Saved to Disk"), std::string::npos);

  // A folder that cannot be written keeps the old file as it was.
  const std::string locked = folder_.File("locked");
  std::filesystem::create_directory(locked);
  const std::string old = locked + "/plot.gif";
  ASSERT_TRUE(WriteFileAtomic(old, "old bytes"));
  std::filesystem::permissions(locked, std::filesystem::perms::owner_read |
                                           std::filesystem::perms::owner_exec);
  if (::access(locked.c_str(), W_OK) == 0) GTEST_SKIP() << "running as a user who writes anywhere";
  boxes.Clear();
  dialogs.answers.push_back(old);
  ExportBySpec("GIF-S Disk Draw");
  EXPECT_EQ(Slurp(old), "old bytes");
  EXPECT_EQ(boxes.last().text.rfind("SaveExportFile. Permission Denied.", 0), 0u);
  std::filesystem::permissions(locked, std::filesystem::perms::owner_all);
}

TEST_F(ExportReadersTest, PrintingOnThePdfFilePrinterGivesOneLetterPageWithTheFooter) {
  QtOutputPrinter printer(true);
  SetOutputPrinter(&printer);
  KavoHooks hooks;
  SetAppHooks(&hooks);
  Pardata[48].Default = 1;  // print the drawing name
  int16_t mode = kApplyToLibrary;
  ParamsApply(std::string(1, char(35)), mode);
  const std::string pdf = folder_.File("page.pdf");
  dialogs.answers.push_back(pdf);
  Output().RenderOutput({PrintableRect.left, PrintableRect.bottom, PrintableRect.right,
                         PrintableRect.top},
                        1, StepCountGet(), 0, 68);
  EXPECT_EQ(dialogs.requests.back().title, "Print to PDF File");
  EXPECT_EQ(dialogs.requests.back().filter, "PDF files (*.pdf)|*.pdf|All Files (*.*)|*.*");
  const std::string info = Shell("pdfinfo " + pdf);
  EXPECT_NE(info.find("Pages:           1\n"), std::string::npos) << info;
  EXPECT_NE(info.find("612 x 792 pts (letter)"), std::string::npos) << info;
  const std::string text = Shell("pdftotext " + pdf + " -");
  EXPECT_NE(text.find("VIREO"), std::string::npos) << text;

  // A cancelled file name shows the PDF message.
  boxes.Clear();
  Output().RenderOutput({PrintableRect.left, PrintableRect.bottom, PrintableRect.right,
                         PrintableRect.top},
                        1, StepCountGet(), 0, 68);
  ASSERT_EQ(boxes.count(), 1u);
  EXPECT_EQ(boxes.last().text.rfind("Cancel or error during creation of PDF file. ", 0), 0u)
      << boxes.last().text;
  SetAppHooks(nullptr);
}

}  // namespace
