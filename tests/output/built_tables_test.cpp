// The character tables built from the program data file the build generates, and an EPS
// document drawn as the renderer draws one, checked with Ghostscript.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/output/postscript_fixture.h"
#include "tests/support/comma_locale.h"
#include "tests/support/scratch_folder.h"

namespace {

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

class BuiltTables : public PostScriptFixture {
 protected:
  void SetUp() override {
    PostScriptFixture::SetUp();
    DataFileSetBytes(ReadFile(KAVO71_DAT_PATH));
  }
  std::vector<int16_t> widths = std::vector<int16_t>(361 * 6, 0);
  std::vector<std::string> strings = std::vector<std::string>(361 * 4);
};

TEST_F(BuiltTables, DigitWidthsOfBothFonts) {
  writer.PSCharTableInit(0.7f, widths, strings);
  EXPECT_EQ(widths[50 * 6 + 3], 150);
  EXPECT_EQ(widths[50 * 6 + 4], 150);
  EXPECT_EQ(widths[31 * 6 + 3], 556);
  EXPECT_EQ(widths[31 * 6 + 4], 500);
  EXPECT_EQ(widths[178 * 6 + 3], 105);  // 150 x 0.7
}

TEST_F(BuiltTables, EveryDrawnCharacterHasAWidth) {
  writer.PSCharTableInit(0.7f, widths, strings);
  for (int code = 32; code <= 255; ++code) {
    if (code == 127 || code == 129 || code == 141 || code == 143 || code == 144 || code == 157)
      continue;  // no character in the code page
    EXPECT_GT(widths[size_t(code) * 6 + 3], 0) << code;
    EXPECT_GT(widths[size_t(code) * 6 + 4], 0) << code;
  }
}

// Ghostscript's output of a command, or "" when it cannot run.
std::string RunCommand(const std::string& command) {
  std::string out;
  if (FILE* p = popen((command + " 2>&1").c_str(), "r")) {
    char buf[512];
    while (size_t n = fread(buf, 1, sizeof buf, p)) out.append(buf, n);
    if (pclose(p) != 0) out += "\nEXIT FAILED";
  }
  return out;
}

class EpsDocument : public BuiltTables {
 protected:
  // A spectrum frame, a trace, a filled box, a circle and labels with Greek letters, a
  // superscript, an accented letter, bold and italic, as the renderer and the label layer emit
  // them, then the file as the export writes it.
  std::string Document() {
    OutputFlags = kOutputPostScript | 0x0004;  // printed: the drawing name goes into /PI
    writer.PSHeader("Spectrum \\1 (AB)", 0.0f, 0.0f, 4020.0f, 2814.0f);
    writer.PSCharTableInit(0.7f, widths, strings);
    writer.PSLineWidth(8);
    writer.PSColor(0);
    writer.PSPolyline(100.0f, 100.0f, 1);
    for (auto [x, y] : {std::pair{3900.0f, 100.0f}, {3900.0f, 2700.0f}, {100.0f, 2700.0f},
                        {100.0f, 100.0f}})
      writer.PSPolyline(x, y, 2);
    writer.PSPolyline(0.0f, 0.0f, 4);
    writer.PSColor(0x800000);
    writer.PSPolyline(300.0f, 400.0f, 1);
    for (int i = 1; i <= 2000; ++i) {
      const float x = 300.0f + float(i) * 1.7f, d = (float(i) - 1000.0f) / 40.0f;
      writer.PSPolyline(x, 400.0f + 1800.0f / (1.0f + d * d), 2);
    }
    writer.PSPolyline(0.0f, 0.0f, 4);
    writer.PSColor(0x008000);
    writer.PSPolyline(3500.0f, 400.0f, 1);
    for (auto [x, y] : {std::pair{3800.0f, 400.0f}, {3800.0f, 700.0f}, {3500.0f, 700.0f}})
      writer.PSPolyline(x, y, 2);
    writer.PSPolyline(0.0f, 0.0f, 8);
    writer.PSXY(-996, 3500, 1000, 3800, 1000);
    writer.PSColor(0);
    writer.PSFont("Arial", 140, 140, 3);
    Label(400, 2400, "(\\025a\\025b ) _LbTXT (J\\0122\\013 = 7.0 Hz; \\021bold\\022 "
                     "\\017italic\\020 A\\026\\301) _LbTXT");
    // Every other in-string code, and codes the prolog does not know.
    Label(400, 2000, "(\\001\\0056\\025-\\015 \\023u\\024 x\\010i\\011 \\000\\026\\310 \\377) _LbTXT");
    writer.PSFont("Times New Roman", 120, 120, 4);
    Label(3300, 1200, "(\\025d = 2.5 e\\026\\302) _LbTXT", 90);
    return writer.PSTrailer() + "\r\n";
  }
  void Label(int32_t x, int32_t y, const std::string& runs, float direction = 0) {
    writer.PSXY(-997, 0, 0, x, y);
    writer.PSAppend(" _LbINI");
    if (direction != 0) writer.PSDirection(direction);
    const float x0 = WorldWindow.x0, y0 = WorldWindow.y0;
    WorldWindow.x0 = WorldWindow.y0 = 0.0f;
    writer.PSXY(-997, 0, 0, 0, -70);
    writer.PSAppend(" " + runs);
    writer.PSAppend(" _LbEND");
    WorldWindow.x0 = x0;
    WorldWindow.y0 = y0;
    writer.PSXY(-997, 0, 0, x, y);
  }
  ScratchFolder folder;
};

TEST_F(EpsDocument, SameTextUnderACommaLocaleWithoutNaN) {
  const std::string plain = Document();
  std::string comma;
  {
    CommaLocale locale;
    comma = Document();
  }
  EXPECT_EQ(plain, comma);
  EXPECT_EQ(plain.substr(plain.size() - 2), "\r\n");
  const std::string body = plain.substr(plain.find(" _supscale"));
  for (const char* bad : {"nan", "NaN", "inf", ","}) EXPECT_EQ(body.find(bad), std::string::npos) << bad;
}

TEST_F(EpsDocument, GhostscriptDrawsItInsideItsBox) {
  if (RunCommand("gs --version").find("EXIT FAILED") != std::string::npos) GTEST_SKIP() << "no gs";
  const std::string eps = folder.File("plot.eps"), png = folder.File("plot.png");
  std::ofstream(eps, std::ios::binary) << Document();
  if (const char* keep = std::getenv("KAVO_KEEP_EPS")) std::ofstream(keep, std::ios::binary) << Document();
  const std::string render = RunCommand("gs -q -dSAFER -dBATCH -dNOPAUSE -dEPSCrop -r72 -sDEVICE=png16m -sOutputFile=" + png + " " + eps);
  EXPECT_EQ(render, "");
  const std::string image = ReadFile(png);
  ASSERT_GE(image.size(), 24u);
  auto be32 = [&](size_t at) {
    return (uint8_t(image[at]) << 24) | (uint8_t(image[at + 1]) << 16) | (uint8_t(image[at + 2]) << 8) | uint8_t(image[at + 3]);
  };
  EXPECT_EQ(be32(16), 198u);  // the header's 198 x 139 points
  EXPECT_EQ(be32(20), 139u);
  const std::string box = RunCommand("gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=bbox " + eps);
  int x1 = -1, y1 = -1, x2 = -1, y2 = -1;
  ASSERT_EQ(std::sscanf(box.c_str(), "%%%%BoundingBox: %d %d %d %d", &x1, &y1, &x2, &y2), 4) << box;
  EXPECT_GE(x1, 0);
  EXPECT_GE(y1, 0);
  EXPECT_LE(x2, 198);
  EXPECT_LE(y2, 139);
  EXPECT_GT(x2 - x1, 150);  // the frame is drawn
}

}  // namespace
