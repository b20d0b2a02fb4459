// Exported pictures hold all of their ink and show text at the EPS's size: the AB plot with a
// long marked-up title, exported as GIF and enhanced metafile at three box widths, read back
// by netpbm (giftopnm), emf2svg-conv and the metafile player; and one label exported as EPS
// (read by Ghostscript), printed to a PDF file (read by pdftoppm) and as metafiles and GIF
// (rendered by CORVID32 and read by giftopnm) at print scale 0.7.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <sstream>

#include "documents/file_startup.h"
#include "drawlib/pardata.h"
#include "drawlib/params_apply.h"
#include "drawlib/steps/step_list.h"
#include "engine/engine_globals.h"
#include "gifconv/corvid32.h"
#include "output/output_printer.h"
#include "output/output_services.h"
#include "output/ui/qt_output_printer.h"
#include "platform/byte_reader.h"
#include "platform/gdi/emf_reader.h"
#include "platform/gdi/metafile_player.h"
#include "platform/gdi/recording_device.h"
#include "tests/output/reader_tools.h"
#include "tests/output/ui/export_fixture.h"
#include "tests/support/ppm_raster.h"

namespace {

std::span<const uint8_t> Span(const std::string& s) {
  return {reinterpret_cast<const uint8_t*>(s.data()), s.size()};
}

// The rows and columns that hold ink.
struct InkBox {
  int left = -1, top = -1, right = -1, bottom = -1;
  bool empty() const { return left < 0; }
  int height() const { return bottom - top + 1; }
};
InkBox InkOf(const Raster& r) {
  InkBox b;
  for (int y = 0; y < r.height; ++y)
    for (int x = 0; x < r.width; ++x) {
      if (!r.Ink(x, y)) continue;
      if (b.empty()) b = {x, y, x, y};
      b.left = std::min(b.left, x), b.right = std::max(b.right, x);
      b.top = std::min(b.top, y), b.bottom = std::max(b.bottom, y);
    }
  return b;
}

// The window extent the metafile's picture is drawn in (its EMR_SETWINDOWEXTEX).
bool EmfWindowExtent(const std::string& bytes, int32_t& cx, int32_t& cy) {
  ByteReader in(Span(bytes));
  for (size_t at = 0; at + 8 <= bytes.size();) {
    const uint32_t type = in.U32(at), size = in.U32(at + 4);
    if (size < 8 || at + size > bytes.size()) return false;
    if (type == 9 && size >= 16) {
      cx = int32_t(in.U32(at + 8));
      cy = int32_t(in.U32(at + 12));
      return true;
    }
    at += size;
  }
  return false;
}

// Texts of the played metafile made only of digits and points (the tick numbers), with the
// span of their advances, by baseline.
struct TextSpan {
  int32_t left, right;
  std::string text;
};
std::map<int32_t, std::vector<TextSpan>> TickNumbers(const std::vector<std::string>& log) {
  std::map<int32_t, std::vector<TextSpan>> rows;
  for (size_t i = 0; i + 1 < log.size(); ++i) {
    std::istringstream line(log[i]);
    std::string word, text;
    int32_t x = 0, y = 0;
    if (!(line >> word >> x >> y >> text) || word != "Text" ||
        text.find_first_not_of("0123456789.") != std::string::npos ||
        log[i + 1].rfind("Advances", 0) != 0)
      continue;
    int32_t width = 0;
    std::istringstream advances(log[i + 1].substr(8));
    for (int32_t a; advances >> a;) width += a;
    rows[y].push_back({x, x + width, text});
  }
  return rows;
}

// The value of an attribute of an SVG element's text ("" when it has none).
std::string Attribute(const std::string& element, const std::string& name) {
  const size_t at = element.find(" " + name + "=\"");
  if (at == std::string::npos) return "";
  const size_t from = at + name.size() + 3;
  return element.substr(from, element.find('"', from) - from);
}

class ExportInk : public PlotExportTest {
 protected:
  Raster GifRaster(const std::string& gif) {
    const std::string ppm = gif + ".ppm";
    Shell("giftopnm " + gif + " | ppmtoppm > " + ppm);
    return LoadPpm(ppm);
  }
  static void SetPrintScale(float scale) {
    Pardata[35].Default = scale;
    int16_t mode = kApplyToLibrary;
    ParamsApply(std::string(1, char(35)), mode);
  }
};

TEST_F(ExportInk, LongTitleAndTickNumbersStayWholeAtEveryBoxWidth) {
  CalculateAbSimulation();
  gSimTypes[2].Caption = "[path/J|a|b ~1~3C ^a^b^d.lyb]";
  gPrintBoxToggles = 0x003F;  // axis, captions, title, box
  for (const int mm : {50, 100, 196}) {
    SCOPED_TRACE(std::to_string(mm) + " mm");
    gPrintBoxWidth = float(mm) * 40.2f;
    CreateSimPlot(0);
    // The GIF: ink on no edge of the picture, the title's row included.
    const Raster gif = GifRaster(Export("GIF-S Disk Opaque Draw", "plot.gif"));
    ASSERT_GT(gif.width, 0);
    const InkBox ink = InkOf(gif);
    ASSERT_FALSE(ink.empty());
    EXPECT_GT(ink.left, 0);
    EXPECT_GT(ink.top, 0);
    EXPECT_LT(ink.right, gif.width - 1);
    EXPECT_LT(ink.bottom, gif.height - 1);

    // The enhanced metafile: its bounds inside its picture, every text inside the bounds.
    const std::string emfPath = Export("EMF-S Disk Draw", "plot.emf");
    const std::string emf = Slurp(emfPath);
    const auto bounds = ReadEmfBounds(Span(emf));
    int32_t cx = 0, cy = 0;
    ASSERT_TRUE(bounds && EmfWindowExtent(emf, cx, cy));
    EXPECT_GE(bounds->left, 0);
    EXPECT_GE(bounds->top, 0);
    EXPECT_LT(bounds->right, cx);
    EXPECT_LT(bounds->bottom, cy);
    // emf2svg-conv, which trusts the bounds, keeps the title's tops inside its picture.
    const std::string svgPath = folder_.File("plot.svg");
    Shell("emf2svg-conv -i " + emfPath + " -o " + svgPath);
    const std::string svg = Slurp(svgPath);
    ASSERT_NE(svg.find("<svg"), std::string::npos);
    // Its picture starts at the bounds: the drawing is moved up by their top.
    const size_t move = svg.find("translate(");
    ASSERT_NE(move, std::string::npos);
    const double up = std::stod(svg.substr(svg.find(',', move) + 1));
    int texts = 0;
    for (size_t at = svg.find("<text"); at != std::string::npos; at = svg.find("<text", at + 1)) {
      const std::string element = svg.substr(at, svg.find('>', at) - at);
      const std::string y = Attribute(element, "y"), size = Attribute(element, "font-size");
      if (y.empty() || size.empty()) continue;
      ++texts;
      EXPECT_GE(std::stod(y) + up - 0.8 * std::stod(size), -0.5) << element;
    }
    EXPECT_GT(texts, 5);

    // The tick numbers (the row with the most numbers) stand apart.
    const auto picture = ReadEnhancedMetafile(Span(emf));
    ASSERT_TRUE(picture);
    RecordingDevice played;
    MetafilePlaybackState state;
    PlayMetafile(*picture, state, played);
    std::vector<TextSpan> row;
    for (auto& [y, numbers] : TickNumbers(played.log))
      if (numbers.size() > row.size()) row = numbers;
    std::sort(row.begin(), row.end(),
              [](const TextSpan& a, const TextSpan& b) { return a.left < b.left; });
    for (size_t i = 1; i < row.size(); ++i)
      EXPECT_LT(row[i - 1].right, row[i].left) << row[i - 1].text << " | " << row[i].text;
    const size_t ticks = row.size();
    EXPECT_GE(ticks, 3u);
  }
}

// One label at print scale 0.7: the height of its capitals in the EPS (Ghostscript at the
// export's 96 dpi), on the printed page and in the metafiles and the GIF agree within a pixel,
// for screen- and printer-referenced metafiles alike.
TEST_F(ExportInk, LabelTextHasTheEpsSizeRelativeToTheDrawing) {
  if (Shell("gs --version").find("EXIT FAILED") != std::string::npos) GTEST_SKIP() << "no gs";
  SetPrintScale(0.7f);
  StepCreate(kStepLabel, 0, 0, "F  H = 20 > HHHH", StepData{});
  const std::string eps = Export("EPS Disk Draw", "label.eps");
  Shell("gs -q -dSAFER -dBATCH -dNOPAUSE -dEPSCrop -r96 -sDEVICE=ppmraw -sOutputFile=" + eps +
        ".ppm " + eps);
  const InkBox fromEps = InkOf(LoadPpm(eps + ".ppm"));
  ASSERT_FALSE(fromEps.empty());
  EXPECT_GE(fromEps.height(), 5);
  const std::string gifPath = Export("GIF-S Disk Opaque Draw", "label.gif");
  std::vector<std::pair<std::string, std::string>> rendered = {{"GIF", gifPath}};
  for (const char* spec : {"EMF-S Disk Draw", "EMF Disk Draw", "WMF-S Disk Draw",
                           "WMF Disk Draw"}) {
    const std::string name = "label" + std::to_string(rendered.size());
    const std::string metafile = Export(spec, name + (spec[0] == 'E' ? ".emf" : ".wmf"));
    const std::string gif = folder_.File(name + ".gif");
    ASSERT_EQ(CorvidEx(metafile.c_str(), gif.c_str(), 100, 100, 0, 0xFFFFFF), CORVID_OK) << spec;
    rendered.push_back({spec, gif});
  }
  std::vector<std::pair<std::string, Raster>> pictures;
  for (const auto& [what, gif] : rendered) pictures.push_back({what, GifRaster(gif)});
  // The printed page, as the print command draws it.
  QtOutputPrinter printer(true);
  SetOutputPrinter(&printer);
  const std::string pdf = folder_.File("label.pdf");
  dialogs.answers.push_back(pdf);
  Output().RenderOutput({PrintableRect.left, PrintableRect.bottom, PrintableRect.right,
                         PrintableRect.top},
                        1, StepCountGet(), 0, 68);
  SetOutputPrinter(nullptr);
  Shell("pdftoppm -r 96 " + pdf + " > " + pdf + ".ppm");
  Raster page = LoadPpm(pdf + ".ppm");
  page.height = page.height * 3 / 4;  // the label, not the footer line at the page's foot
  pictures.push_back({"printed PDF", page});
  for (const auto& [what, picture] : pictures) {
    const InkBox ink = InkOf(picture);
    ASSERT_FALSE(ink.empty()) << what;
    EXPECT_NEAR(ink.height(), fromEps.height(), 1) << what;
  }
}

}  // namespace
