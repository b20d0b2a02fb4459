#include <string>
#include <vector>

#include "tests/output/postscript_fixture.h"
#include "tests/support/comma_locale.h"

namespace {

using PostScriptHeader = PostScriptFixture;

constexpr uint16_t kPrinter = 0x0004;

TEST_F(PostScriptHeader, WritesTheCommentsPrologAndSupscaleLines) {
  writer.PSHeader("Fig 1", 0.0f, 0.0f, 1418.2f, 709.1f);
  EXPECT_EQ(writer.Buffer(),
            "%!PS-Adobe-2.0 EPSF-1.2\n%%BoundingBox:  0 0 70 35 \n%%Title: Fig 1\n"
            "%%EndComments\n%%EndProlog\n/PI () def\n%P\n 0.70 _supscale\n");
  EXPECT_EQ(ErrorLocation, 7030);
}

TEST_F(PostScriptHeader, LinesByTitleRectangleAndTarget) {
  struct Case {
    const char* title;
    float x2;
    uint16_t flags;
    float printName;
    const char* box;
    const char* titleLine;
    const char* pi;
  };
  const std::vector<Case> cases = {
      // The width of a rectangle drawn right to left is negative.
      {"", -1418.2f, kOutputPostScript, 1, "%%BoundingBox:  0 0 -70 35 \n", "%%Title: \n",
       "/PI () def\n"},
      // Printed with the drawing name: the /PI string escapes backslashes and brackets.
      {"C:\\a\\b (x)", 100.0f, kPrinter | kOutputPostScript, 1, "%%BoundingBox:  0 0 5 35 \n",
       "%%Title: C:\\a\\b (x)\n", "/PI (C:\\\\a\\\\b \\(x\\)) def\n"},
      // Exported (no printer bit) or printed without the name: an empty /PI.
      {"C:\\a", 100.0f, kOutputPostScript, 1, "%%BoundingBox:  0 0 5 35 \n", "%%Title: C:\\a\n",
       "/PI () def\n"},
      {"C:\\a", 100.0f, kPrinter | kOutputPostScript, 0, "%%BoundingBox:  0 0 5 35 \n",
       "%%Title: C:\\a\n", "/PI () def\n"},
      // A line end in the title would end the comment line.
      {"a\r\nb", 100.0f, kOutputPostScript, 1, "%%BoundingBox:  0 0 5 35 \n", "%%Title: a  b\n",
       "/PI () def\n"},
  };
  for (const Case& c : cases) {
    OutputFlags = c.flags;
    Pardata[48].Default = c.printName;
    writer.PSHeader(c.title, 0.0f, 0.0f, c.x2, 709.1f);
    const std::string& b = writer.Buffer();
    EXPECT_NE(b.find(c.box), std::string::npos) << c.title << "\n" << b;
    EXPECT_NE(b.find(c.titleLine), std::string::npos) << c.title << "\n" << b;
    EXPECT_NE(b.find(c.pi), std::string::npos) << c.title << "\n" << b;
  }
}

TEST_F(PostScriptHeader, SupscaleRoundsHalvesAwayAndIgnoresTheLocale) {
  Pardata[21].Default = 0.655f;
  CommaLocale comma;
  writer.PSHeader("", 0.0f, 0.0f, 100.0f, 100.0f);
  EXPECT_NE(writer.Buffer().find("%P\n 0.66 _supscale\n"), std::string::npos) << writer.Buffer();
}

TEST_F(PostScriptHeader, RotatedPageTurnsAboutTheHeightAndClearsTheFlag) {
  int16_t flag = 1;
  writer.SetEpsRotation([&] { return flag; }, [&](int16_t v) { flag = v; });
  writer.PSHeader("", 0.0f, 0.0f, 1000.0f, 707.0f);
  const std::string& b = writer.Buffer();
  const std::string tail = " _supscale\n 494.9 0 0 _m _cptT 90 rotate ";
  ASSERT_GE(b.size(), tail.size());
  EXPECT_EQ(b.substr(b.size() - tail.size()), tail);
  EXPECT_EQ(flag, 0);
  writer.PSHeader("", 0.0f, 0.0f, 1000.0f, 707.0f);
  EXPECT_EQ(writer.Buffer().find("rotate"), std::string::npos);
}

TEST_F(PostScriptHeader, SetsTheTransformAtTheLowerLeftCorner) {
  writer.PSHeader("", -100.4f, 50.5f, 100.0f, 200.0f);
  EXPECT_EQ(WorldWindow.x0, -100.0f);
  EXPECT_EQ(WorldWindow.y0, 50.0f);  // halves to even
  EXPECT_EQ(WorldWindow.sx, 0.7f);
  EXPECT_EQ(WorldWindow.sy, 0.7f);
  const size_t h = writer.Buffer().size();
  writer.PSXY(1, -100, 50, 0, 50);
  EXPECT_EQ(Body(h), " 0 0 _m 70 0 _l");
}

TEST_F(PostScriptHeader, MissingPrologGivesTheHeaderWithoutIt) {
  SetEntries({});
  writer.PSHeader("", 0.0f, 0.0f, 100.0f, 100.0f);
  EXPECT_NE(writer.Buffer().find("/PI () def\n 0.70 _supscale\n"), std::string::npos);
}

TEST_F(PostScriptHeader, TrailerAppendedOnEveryCallAndTheBufferKept) {
  const size_t h = StartDocument();
  writer.PSXY(1, 0, 0, 10, 0);
  const std::string once = writer.PSTrailer();
  EXPECT_EQ(once.substr(h), " 0 0 _m 7 0 _l _zefreset end %%trailer ");
  EXPECT_EQ(ErrorLocation, 7020);
  const std::string twice = writer.PSTrailer();
  EXPECT_EQ(twice, once + " _zefreset end %%trailer ");
  EXPECT_EQ(writer.Buffer(), twice);
}

}  // namespace
