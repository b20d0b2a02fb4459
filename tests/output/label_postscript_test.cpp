// Labels drawn by the label layer through the PostScript writer, with the character tables,
// glyphs and prolog of the generated KAVO71.dat: the text the writer gets, and an EPS file that
// Ghostscript draws without complaint.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "documents/file_startup.h"
#include "drawlib/color_scheme.h"
#include "drawlib/drawlib_init.h"
#include "drawlib/text/label_draw.h"
#include "tests/output/postscript_fixture.h"
#include "tests/support/process_state.h"
#include "tests/support/scratch_folder.h"

namespace {

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

std::string Shell(const std::string& command) {
  std::string out;
  if (FILE* p = popen((command + " 2>&1").c_str(), "r")) {
    char buf[512];
    while (size_t n = fread(buf, 1, sizeof buf, p)) out.append(buf, n);
    if (pclose(p) != 0) out += "\nEXIT FAILED";
  }
  return out;
}

class LabelPostScript : public PostScriptFixture {
 protected:
  void SetUp() override {
    PostScriptFixture::SetUp();
    DataFileSetBytes(ReadAll(KAVO71_DAT_PATH));
    PardataBuild();
    Pardata[35].Default = 0.7f;
    for (int i = 0; i < kPaletteSize; ++i) ColorScheme.ColorPalette[size_t(i)] = DefaultColorRGB(i);
    SchemePaletteFlag = true;
    SetPostScriptWriter(&writer);
    DocumentServicesRegister();
    StylesInit(-1);
    FontNames[3] = "Arial";
    FontNames[4] = "Times New Roman";
  }
  void TearDown() override {
    SetPostScriptWriter(nullptr);
    ResetProcessState();
    PostScriptFixture::TearDown();
  }
  void Label(const std::string& label, float x, float y) {
    StepBoxRec box;
    LabelDraw(nullptr, 1, 0xFFFF, label, box, StepData{}, x, y, 5);
  }
};

TEST_F(LabelPostScript, RunsAndStrokesReachTheWriter) {
  writer.PSHeader("labels", 0.0f, 0.0f, 8040.0f, 4020.0f);
  LabelAttrReset(nullptr);
  EXPECT_TRUE(writer.TableBuilt());
  const size_t start = writer.Buffer().size();
  Label("X > J|A|B = 7 Hz, ^a", 400, 3600);
  const std::string text = writer.Buffer().substr(start);
  // Helvetica widths: the runs, the subscripts written as off-then-on codes, alpha alone.
  EXPECT_NE(text.find(" _LbINI"), std::string::npos) << text;
  EXPECT_NE(text.find("(J\\010AB\\011 = 7 Hz, ) _LbTXT"), std::string::npos) << text;
  EXPECT_NE(text.find("(\\025a) _LbTXT _LbEND"), std::string::npos) << text;
  // A run follows the move before it without a blank: " _m(J" and " _LbTXT(".
  EXPECT_EQ(text.find(" ("), std::string::npos) << text;
  EXPECT_NE(text.find(" _LbTXT(\\025a)"), std::string::npos) << text;
  // A built-in font label is strokes: moves and lines, no text run.
  const size_t strokes = writer.Buffer().size();
  Label("X O = 0 > 10", 400, 3000);
  const std::string drawn = writer.Buffer().substr(strokes);
  EXPECT_EQ(drawn.find("_LbTXT"), std::string::npos) << drawn;
  EXPECT_NE(drawn.find(" _l"), std::string::npos) << drawn;
}

TEST_F(LabelPostScript, MarksAndTheDoubleDaggerAreStrokedInEveryFont) {
  writer.PSHeader("marks", 0.0f, 0.0f, 8040.0f, 4020.0f);
  LabelAttrReset(nullptr);
  struct Case {
    const char* base;
    const char* marked;
  };
  const Case cases[] = {
      {"X > C", "X > C{KU-}"},           {"X > C", "X > C{KD=}"},
      {"X > C", "X > C{KU:}"},           {"X > ^DG", "X > ^DG~^#"},
      {"X O = 4 > C", "X O = 4 > C{KU-}"}, {"X O = 0 > C", "X O = 0 > C{KU:}"},
  };
  // What the writer gets beyond the label without its mark: the mark's lines.
  auto lines = [&](const char* label) {
    const size_t start = writer.Buffer().size();
    Label(label, 400, 2000);
    const std::string text = writer.Buffer().substr(start);
    size_t n = 0;
    for (size_t at = text.find(" _l"); at != std::string::npos; at = text.find(" _l", at + 1)) ++n;
    return n;
  };
  for (const Case& c : cases) EXPECT_GT(lines(c.marked), lines(c.base)) << c.marked;
}

TEST_F(LabelPostScript, GhostscriptDrawsTheLabels) {
  if (Shell("gs --version").find("EXIT FAILED") != std::string::npos) GTEST_SKIP() << "no gs";
  writer.PSHeader("labels", 0.0f, 0.0f, 8040.0f, 4020.0f);
  LabelAttrReset(nullptr);
  Label("X H = 5 > ^d = 7.26 ppm, J|A|B = 12.5 Hz, ~1~3C", 400, 3600);
  Label("X O = 4 P = 2 > Bold ^Iitalic^i u_n_d_e_r ^a^b^g", 400, 3000);
  Label("X O = 0 > Stroke font ^D x~2 SO|4{KD2-}", 400, 2400);
  Label("M D = 90 > turned", 7000, 2000);
  Label("F > two{/}lines", 4000, 1400);
  Label("X H = 5 > ^DG~^# = 13.45 kcal/mol  C{KU-}{KD-} C{KU=}{KD=} C{KU:}{KD:}", 400, 1800);
  Label("X O = 0 H = 5 > ^DG~^# C{KU-}{KD-} C{KU=}{KD=} C{KU:}{KD:}", 400, 1000);
  Label("M H = 3 > centred{/}a longer second line{//}3", 6000, 1100);
  ScratchFolder folder;
  const std::string eps = folder.File("labels.eps"), png = folder.File("labels.png");
  std::ofstream(eps, std::ios::binary) << writer.PSTrailer();
  if (const char* keep = std::getenv("KAVO_KEEP_EPS")) std::ofstream(keep, std::ios::binary) << ReadAll(eps);
  EXPECT_EQ(Shell("gs -q -dSAFER -dBATCH -dNOPAUSE -dEPSCrop -r72 -sDEVICE=png16m -sOutputFile=" +
                png + " " + eps),
            "");
  const std::string box = Shell("gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=bbox " + eps);
  int x1 = -1, y1 = -1, x2 = -1, y2 = -1;
  ASSERT_EQ(std::sscanf(box.c_str(), "%%%%BoundingBox: %d %d %d %d", &x1, &y1, &x2, &y2), 4) << box;
  EXPECT_GT(x2 - x1, 100);  // text across most of the 397-point page
  EXPECT_GT(y2 - y1, 50);
}

}  // namespace
