#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPrinter>

#include <unistd.h>

#include "platform/ui/gdi/qt_painter_device.h"
#include "tests/output/reader_tools.h"

namespace {

constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kRed = 0x0000FF;  // 0x00BBGGRR

QImage WhiteImage(int w, int h) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(Qt::white);
  return image;
}

TEST(QtPainterDevice, LinesArePlainPixelsInThePenColour) {
  QImage image = WhiteImage(20, 20);
  {
    QtPainterDevice dc(&image);
    dc.SetPen(1, kRed);
    dc.MoveTo(2, 5);
    dc.LineTo(12, 5);
    EXPECT_EQ(dc.GetPixel(2, 5), kRed);
    EXPECT_EQ(dc.GetPixel(11, 5), kRed);
    EXPECT_EQ(dc.GetPixel(2, 6), kWhite);  // no antialiasing
    dc.SetPixel(15, 15, 0x00FF00);
    EXPECT_EQ(dc.GetPixel(15, 15), 0x00FF00u);
    EXPECT_EQ(dc.CurrentPenColor(), kRed);
    EXPECT_EQ(dc.PixelSize().cx, 20);
  }
  EXPECT_EQ(image.pixelColor(5, 5), QColor(255, 0, 0));
}

TEST(QtPainterDevice, PolygonFillsByWindingAndFillRectCoversItsArea) {
  QImage image = WhiteImage(40, 40);
  QtPainterDevice dc(&image);
  dc.SetPen(1, 0);
  dc.SetBrush(false, kRed);
  // A five-pointed star: its centre is filled under the winding rule.
  dc.Polygon({{20, 2}, {31, 36}, {2, 14}, {38, 14}, {9, 36}});
  EXPECT_EQ(dc.GetPixel(20, 20), kRed);
  dc.FillRect(0, 0, 3, 3, 0x00FF00);
  EXPECT_EQ(dc.GetPixel(2, 2), 0x00FF00u);
  EXPECT_EQ(dc.GetPixel(3, 3), kWhite);
  dc.SetBrush(true, 0);
  dc.Ellipse(5, 5, 15, 15);
  EXPECT_EQ(dc.GetPixel(10, 10), kWhite);  // hollow
}

TEST(QtPainterDevice, TextHasAnExtentAndIsDrawnAboveTheBaseline) {
  QImage image = WhiteImage(200, 60);
  QtPainterDevice dc(&image);
  GdiFont font;
  font.height = 20;
  dc.SetFont(font);
  const GdiSize one = dc.TextExtent("H");
  const GdiSize two = dc.TextExtent("HH");
  EXPECT_GT(one.cx, 5);
  EXPECT_EQ(two.cx, 2 * one.cx);  // no kerning
  EXPECT_GE(one.cy, 18);
  dc.SetTextColor(0);
  dc.TextOut(10, 40, "H");
  int dark = 0, below = 0;
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 200; ++x)
      if (qGray(image.pixel(x, y)) < 128) (y <= 40 ? dark : below)++;
  EXPECT_GT(dark, 10);
  EXPECT_EQ(below, 0);
  // Text is not smoothed: black on white leaves no grey pixels (halos in transparent bitmaps).
  dc.TextOut(60, 40, "Wave");
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 200; ++x) {
      const int g = qGray(image.pixel(x, y));
      ASSERT_TRUE(g == 0 || g == 255) << x << "," << y << " grey " << g;
    }
  font.face = "Symbol";
  dc.SetFont(font);
  EXPECT_GT(dc.TextExtent("a").cx, 0);  // byte code of alpha in the Symbol face
}

}  // namespace

namespace {

TEST(QtPainterDevice, TextAtTheCurrentPointAdvancesIt) {
  QImage image = WhiteImage(200, 60);
  QtPainterDevice dc(&image);
  GdiFont font;
  font.height = 20;
  dc.SetFont(font);
  dc.SetTextAlign(kTextAlignBaseline | kTextAlignUpdateCP);
  dc.MoveTo(10, 40);
  dc.TextOut(0, 0, "AB");
  dc.LineTo(10, 40);  // draws back from the advanced point
  EXPECT_EQ(dc.GetPixel(10 + dc.TextExtent("AB").cx - 1, 40), 0u);
}

TEST(QtPainterDevice, PrinterTargetHasNoPixelAccess) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  const QString file = QDir::temp().filePath("kavo_painter_device_test.pdf");
  printer.setOutputFileName(file);
  {
    QtPainterDevice dc(&printer);
    EXPECT_FALSE(dc.HasPixelAccess());
    EXPECT_GT(dc.PixelSize().cx, 1000);
    dc.MoveTo(0, 0);
    dc.LineTo(100, 100);
  }
  EXPECT_TRUE(QFile::exists(file));
  QFile::remove(file);
}

}  // namespace

namespace {

QImage RenderWithDevice(const std::string& face, const std::string& text) {
  QImage image = WhiteImage(60, 40);
  QtPainterDevice dc(&image);
  GdiFont font;
  font.height = 24;
  font.face = face;
  dc.SetFont(font);
  dc.SetTextColor(0);
  dc.TextOut(5, 30, text);
  return image;
}

TEST(QtPainterDevice, UnderlineRunsUnbrokenUnderTheWholeText) {
  QImage image = WhiteImage(200, 60);
  QtPainterDevice dc(&image);
  GdiFont font;
  font.height = -24;
  font.underline = true;
  dc.SetFont(font);
  dc.SetTextColor(0);
  dc.TextOut(10, 30, "lilt");
  const int width = dc.TextExtent("lilt").cx;
  int best = 0;  // the most dark pixels of a row below the baseline
  for (int y = 31; y < 40; ++y) {
    int run = 0;
    for (int x = 10; x < 10 + width; ++x) run = qGray(image.pixel(x, y)) < 128 ? run + 1 : run;
    best = std::max(best, run);
  }
  EXPECT_EQ(best, width);
}

TEST(QtPainterDevice, WindowsFacesResolveToTheInstalledFonts) {
  QImage image = WhiteImage(10, 10);
  QtPainterDevice dc(&image);
  const std::pair<const char*, const char*> faces[] = {
      {"Arial", "Liberation Sans"},
      {"Times New Roman", "Liberation Serif"},
      {"Symbol", "Standard Symbols PS"},
  };
  for (const auto& [face, family] : faces) {
    GdiFont font;
    font.face = face;
    font.height = -20;
    dc.SetFont(font);
    EXPECT_EQ(dc.ResolvedFamily().toStdString(), family) << face;
  }
}

TEST(QtPainterDevice, SymbolFaceDrawsGreekFromByteCodes) {
  // Standard Symbols PS holds alpha at the byte code of "a" (and the degree sign at 0xB0).
  QImage greek = WhiteImage(60, 40);
  {
    QPainter p(&greek);
    QFont f("Standard Symbols PS");
    f.setPixelSize(24);
    f.setStyleStrategy(QFont::NoAntialias);
    p.setFont(f);
    p.setPen(Qt::black);
    p.drawText(QPoint(5, 30), QString(QChar(0x61)));
  }
  const QImage symbolA = RenderWithDevice("Symbol", "a");
  const QImage white = WhiteImage(60, 40);
  EXPECT_NE(symbolA, white);
  EXPECT_NE(RenderWithDevice("Symbol", "\xB0"), white);
  EXPECT_NE(symbolA, RenderWithDevice("Arial", "a"));
  EXPECT_EQ(symbolA, greek);
}

}  // namespace

namespace {

// A PDF of one line of Symbol-face text, through the device or (the look to keep) drawn
// directly as text from the byte codes, and that page read back by poppler.
struct PrintedSymbols {
  std::string text;   // pdftotext
  QImage page;        // pdftoppm
};

PrintedSymbols PrintSymbols(const std::string& bytes, bool throughDevice) {
  const QString pdf = QDir::temp().filePath(
      QStringLiteral("kavo_symbols_%1_%2.pdf").arg(::getpid()).arg(throughDevice));
  {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setResolution(600);
    printer.setOutputFileName(pdf);
    QtPainterDevice dc(&printer);
    GdiFont font;
    font.height = -200;
    font.face = "Symbol";
    dc.SetFont(font);
    dc.SetTextColor(0);
    if (throughDevice) {
      dc.TextOut(300, 600, bytes);
    } else {
      QFont f(QtFontFamily("Symbol"));
      f.setPixelSize(200);
      f.setKerning(false);
      QPainter& p = dc.painter();
      p.setFont(f);
      p.setPen(Qt::black);
      QFontMetrics metrics(f, p.device());
      int pen = 300;
      for (unsigned char c : bytes) {
        p.drawText(QPoint(pen, 600), QString(QChar(char16_t(c))));
        pen += metrics.horizontalAdvance(QChar(char16_t(c)));
      }
    }
  }
  const std::string file = pdf.toStdString();
  PrintedSymbols out;
  out.text = Shell("pdftotext " + file + " -");
  Shell("pdftoppm -r 300 -x 0 -y 0 -W 1200 -H 450 -png -singlefile " + file +
        " " + file);
  out.page = QImage(pdf + ".png").convertToFormat(QImage::Format_Grayscale8);
  QFile::remove(pdf);
  QFile::remove(pdf + ".png");
  return out;
}

TEST(QtPainterDevice, SymbolTextOnAPrinterIsTheGreekItShowsAndLooksTheSame) {
  // Alpha, beta, delta, capital omega, the degree sign and plus-minus; the radical's extender
  // (0x60) shows no character of its own.
  const std::string bytes = "abdW\xB0\xB1`";
  const PrintedSymbols printed = PrintSymbols(bytes, true);
  const PrintedSymbols direct = PrintSymbols(bytes, false);
  EXPECT_NE(printed.text.find("\u03B1\u03B2\u03B4\u03A9\u00B0\u00B1"), std::string::npos)
      << printed.text;
  EXPECT_EQ(printed.text.find("abd"), std::string::npos) << printed.text;
  EXPECT_NE(direct.text.find("abd"), std::string::npos) << direct.text;  // the fault it mends
  ASSERT_FALSE(printed.page.isNull());
  ASSERT_EQ(printed.page.size(), direct.page.size());
  // Ink in one page with no ink within a pixel in the other (0.08 mm at 300 dpi).
  const auto dark = [](const QImage& page, int x, int y) {
    return x >= 0 && y >= 0 && x < page.width() && y < page.height() &&
           qGray(page.pixel(x, y)) < 128;
  };
  const auto near = [&](const QImage& page, int x, int y) {
    for (int dy = -1; dy <= 1; ++dy)
      for (int dx = -1; dx <= 1; ++dx)
        if (dark(page, x + dx, y + dy)) return true;
    return false;
  };
  int ink = 0, printedInk = 0, differ = 0;
  for (int y = 0; y < direct.page.height(); ++y)
    for (int x = 0; x < direct.page.width(); ++x) {
      ink += dark(direct.page, x, y);
      printedInk += dark(printed.page, x, y);
      differ += (dark(direct.page, x, y) && !near(printed.page, x, y)) ||
                (dark(printed.page, x, y) && !near(direct.page, x, y));
    }
  EXPECT_NEAR(printedInk, ink, ink / 10);
  EXPECT_GT(ink, 5000);
  EXPECT_LT(differ, ink / 100) << "of " << ink << " ink pixels";
}

}  // namespace
