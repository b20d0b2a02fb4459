// Drawing into the spectrum picture: sticks, traces, the height lock, the experimental overlay,
// markers, coupling trees, the frequency labels and the tab-delimited copy of the spectra.
#include <algorithm>
#include <utility>
#include <vector>

#include <gmock/gmock.h>

#include "tests/mainwin/mainwin_fixture.h"

namespace {

using ::testing::ElementsAre;
using Kind = RecordingPictureBox::Kind;

// A small display: 10 points over 150 twips, 100 Hz from 10 Hz, baseline at 1000.
class SpectrumDisplayTest : public MainWinTest {
 protected:
  void SetUp() override {
    MainWinTest::SetUp();
    Load();
    gNumPts = 10;
    RedimSpectrum(10);
    gPicWidthTwips = 150;
    gTwipsPerPt = 15;
    gSpectHz = 100;
    gHorOffHz = 10;
    gTwipsPerHz = 1.5f;
    gBaseLnTwips = 1000;
    gVertScale = 1200;
    gVertLock = 0;
    gRedrawFlags = 0;
    gNumSpinMarks = 0;
    gTypeMode = 1;
    picture.ops.clear();
  }
  std::vector<RecordingPictureBox::Op> Lines() const { return picture.OpsOf(Kind::Line); }
  static void ExpectSegment(const RecordingPictureBox::Op& line, float x1, float y1, float x2,
                            float y2) {
    EXPECT_EQ(line.x1, x1);
    EXPECT_EQ(line.y1, y1);
    EXPECT_EQ(line.x2, x2);
    EXPECT_FLOAT_EQ(line.y2, y2);
  }
  void SetLines(std::vector<std::pair<float, float>> freqAndIntensity) {
    for (size_t i = 0; i < freqAndIntensity.size(); ++i) {
      gLineFreq[i + 1] = freqAndIntensity[i].first;
      gLineInt[i + 1] = freqAndIntensity[i].second;
      gLineColor[i + 1] = 0x123456;
    }
  }
};

TEST_F(SpectrumDisplayTest, StickModeWithoutLinesDrawsOnlyTheBaseline) {
  gTypeMode = 0;
  form.DrawSpectra(0, 0, true);
  ASSERT_EQ(Lines().size(), 1u);
  EXPECT_EQ(Lines()[0].y1, 1000);
  EXPECT_EQ(Lines()[0].x2, 150);
  EXPECT_TRUE(host.clipboard.empty());
  EXPECT_TRUE(boxes.empty());
}

TEST_F(SpectrumDisplayTest, SticksOutsideThePictureOrTooSmallAreSkipped) {
  gTypeMode = 0;
  gVertMult = 100;
  // Inside, right edge, left edge, beyond, too small, negative, taller than the picture.
  SetLines({{60, 2}, {10, 2}, {110, 2}, {200, 2}, {50, 0.005f}, {40, -3}, {30, 50}});
  form.DrawSpectra(7, 0, false);
  const auto lines = Lines();
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[1].x1, 75);
  EXPECT_EQ(lines[1].y2, 800);
  EXPECT_EQ(lines[1].color, 0x123456u);
  EXPECT_EQ(lines[2].y2, 700);
  EXPECT_EQ(lines[3].y2, 0);
}

TEST_F(SpectrumDisplayTest, LockedSticksScaleToTheLockHeight) {
  gTypeMode = 0;
  gVertLock = -1;
  VertLockHt = 500;
  SetLines({{60, 2}, {50, 5}});
  form.DrawSpectra(2, 0, false);
  EXPECT_EQ(gVertMult, 100);
  VertLockHt = 20;
  form.DrawSpectra(2, 0, false);
  EXPECT_EQ(gVertMult, 10);
}

TEST_F(SpectrumDisplayTest, NearlyFlatRunsCollapseIntoOneSegment) {
  for (int i = 1; i <= 10; ++i) gSpectrum[static_cast<size_t>(i)] = 0.4f * static_cast<float>(i);
  form.DrawTrace(gSpectrum, 0, 7);
  ASSERT_EQ(Lines().size(), 1u);
  ExpectSegment(Lines()[0], 135, 1000 - 0.4f, 0, 996);

  picture.ops.clear();
  gSpectrum[4] = 10;  // a step draws from the last drawn point
  form.DrawTrace(gSpectrum, 0, 7);
  const auto lines = Lines();
  ASSERT_EQ(lines.size(), 3u);
  ExpectSegment(lines[0], 135, 1000 - 0.4f, 90, 990);
  ExpectSegment(lines[1], 90, 990, 75, 998);
}

TEST_F(SpectrumDisplayTest, ATraceStartsAtItsFirstPointNotAtTheRightEdge) {
  struct Case {
    int16_t points;
    float first;  // value of point 1 (the right end of the trace)
  };
  // A tall right end (as of a short loaded spectrum), a flat one, a single point.
  const Case cases[] = {{10, 600}, {10, 0}, {1, 300}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.points);
    gNumPts = c.points;
    RedimSpectrum(c.points);
    gSpectrum[1] = c.first;
    for (int i = 2; i <= c.points; ++i) gSpectrum[static_cast<size_t>(i)] = c.first + 3 * i;
    picture.ops.clear();
    form.DrawTrace(gSpectrum, 0, 7);
    const auto lines = Lines();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front().x1, 135);
    EXPECT_EQ(lines.front().y1, 1000 - c.first);
    for (const auto& line : lines) {
      EXPECT_LE(std::max(line.x1, line.x2), 135);  // nothing at point 0
      EXPECT_LE(std::max(line.y1, line.y2), 1000 - c.first);
    }
  }
}

// The traces of a loaded spectrum (type 0's own, the overlay and the difference) cover the
// points the loader filled, and none runs down to its baseline at either end.
TEST_F(SpectrumDisplayTest, LoadedSpectraAreDrawnOverTheirLoadedPointsOnly) {
  struct Case {
    const char* name;
    int16_t type;
    bool exp;                // a record for gSpecExp (overlay and difference)
    bool calc;               // a record for gSpectrum
    int32_t first, last;     // the record
    int32_t expFirst, expLast, calcFirst, calcLast;  // the points expected drawn (0 0: none)
  };
  const Case cases[] = {
      {"type 0, the trace loaded at points 3-7", 0, false, true, 3, 7, 1, 10, 3, 7},
      {"a simulation: its trace whole, the overlay 3-7", 2, true, true, 3, 7, 3, 7, 1, 10},
      {"the overlay inside at the right end", 2, true, false, 1, 4, 1, 4, 1, 10},
      {"the overlay inside at the left end", 2, true, false, 8, 10, 8, 10, 1, 10},
      {"no record: every point", 2, false, false, 0, 0, 1, 10, 1, 10},
      {"nothing loaded shows", 0, true, true, 1, 0, 0, 0, 0, 0},
  };
  gLineFit = -1;
  form.Controls().SetValue(Ctl::btnDiffTogg, 0, true);
  gExpBaseLnTwips = 900;
  gDiffBaseLnTwips = 300;
  for (int i = 1; i <= 10; ++i) {
    gSpectrum[static_cast<size_t>(i)] = 50.0f + static_cast<float>(i);
    gSpecExp[static_cast<size_t>(i)] = 80.0f + static_cast<float>(i);
  }
  const uint32_t calcColour = gTraceColors[0], expColour = PaletteColor(12),
                 diffColour = PaletteColor(3);
  ASSERT_NE(calcColour, expColour);
  ASSERT_NE(expColour, diffColour);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    gSimType = c.type;
    spectra.loaded.clear();
    if (c.exp) spectra.loaded[&gSpecExp] = {c.first, c.last};
    if (c.calc) spectra.loaded[&gSpectrum] = {c.first, c.last};
    picture.ops.clear();
    gRedrawFlags = 0;
    form.DrawSpectra(0, 0, false);
    struct Trace {
      uint32_t colour;
      float baseline;
      int32_t first, last;
    };
    const Trace traces[] = {{calcColour, 1000, c.calcFirst, c.calcLast},
                            {expColour, 900, c.expFirst, c.expLast},
                            {diffColour, 300, c.expFirst, c.expLast}};
    for (const Trace& t : traces) {
      SCOPED_TRACE(t.baseline);
      std::vector<RecordingPictureBox::Op> lines;
      for (const auto& line : Lines())
        if (line.color == t.colour && !(line.x1 == 0 && line.x2 == 150)) lines.push_back(line);
      if (t.first == 0) {
        EXPECT_TRUE(lines.empty());
        continue;
      }
      ASSERT_FALSE(lines.empty());
      EXPECT_EQ(lines.front().x1, 150 - 15 * t.first);
      EXPECT_EQ(lines.back().x2, 150 - 15 * t.last);
      for (const auto& line : lines) {
        EXPECT_GE(std::min(line.x1, line.x2), 150 - 15 * t.last);
        EXPECT_LE(std::max(line.x1, line.x2), 150 - 15 * t.first);
        EXPECT_LT(std::max(line.y1, line.y2), t.baseline - 25);  // every value is above 25
      }
    }
  }
}

TEST_F(SpectrumDisplayTest, NoiseComesFromTheNoiseSource) {
  form.SetNoiseSource([] { return 0.5f; });
  gNoiseLevel = 8;
  form.DrawTrace(gSpectrum, 100, 7);
  ASSERT_FALSE(Lines().empty());
  EXPECT_FLOAT_EQ(Lines().back().y2, 900 - 0.5f * 8 * 0.001f * 1000);
}

TEST_F(SpectrumDisplayTest, HeightLock) {
  struct Case {
    float peak, multiplier;
    int16_t lock;
    float drawnPeak, newMultiplier, expMultiplier;
  };
  const Case cases[] = {
      {402, 20, -1, 402, 20 * 400 / 402.0f, 3},  // within 0.5 %: drawn as it is
      {800, 20, -1, 400, 10, 3},
      {800, 1e12f, -1, 400, 1e12f, 3},  // the multiplier stays
      {200, 20, -2, 400, 40, 6},        // dragging the handle rescales the spectrum too
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.peak);
    gSpectrum.assign(gSpectrum.size(), 0);
    gSpectrum[5] = c.peak;
    VertLockHt = 400;
    gVertMult = c.multiplier;
    gVertLock = c.lock;
    gLineFit = c.lock == -2 ? -1 : 0;
    gSpec.VertMult = 3;
    form.DrawSpectra(0, 0, false);
    EXPECT_FLOAT_EQ(gSpectrum[5], c.drawnPeak);
    EXPECT_FLOAT_EQ(gVertMult, c.newMultiplier);
    EXPECT_FLOAT_EQ(gSpec.VertMult, c.expMultiplier);
    EXPECT_EQ(Lines().front().y1, 600);  // the lock line
  }
}

TEST_F(SpectrumDisplayTest, MeanDifferenceListKeepsItsHeadAndEnd) {
  form.SetupLinefitting(true);
  gLineFit = -1;
  for (int m = 1; m <= 8; ++m) {
    gSpectrum.assign(gSpectrum.size(), static_cast<float>(m));
    gRedrawFlags = 0;
    form.DrawSpectra(0, 0, false);
  }
  EXPECT_THAT(Ctrl(Ctl::lstError).Items,
              ElementsAre("8.0", "7.0", "6.0", "5.0", "4.0", "3.0", "   Error"));
  EXPECT_EQ(spectra.CallsWith(6), 0);
  gRedrawFlags = 8;
  form.DrawSpectra(0, 0, false);
  EXPECT_EQ(spectra.CallsWith(6), 1);
}

TEST_F(SpectrumDisplayTest, CopiesTheSpectraAsTabDelimitedRows) {
  gNumPts = 3;
  gSpectHz = 300;
  for (int i = 1; i <= 3; ++i) gSpectrum[static_cast<size_t>(i)] = static_cast<float>(i);
  form.DrawSpectra(0, 0, true);
  ASSERT_EQ(host.clipboard.size(), 1u);
  EXPECT_EQ(host.clipboard[0], "110.0\t1.00\r\n210.0\t2.00\r\n310.0\t3.00");
  ASSERT_EQ(boxes.count(), 1u);
  EXPECT_EQ(boxes.last().title, "Clipboard copy");
  EXPECT_EQ(boxes.last().style, vbInformation);
  EXPECT_EQ(boxes.last().text,
            "Spectra data copied to clipboard in tab-delimited form:\r\n"
            "  Simulation: (Freq, Intensity)\r\nSuitable for pasting into a spreadsheet");

  gLineFit = -1;
  form.Controls().SetValue(Ctl::btnDiffTogg, 0, true);
  gExpBaseLnTwips = 900;
  gDiffBaseLnTwips = 300;
  gSpecExp.assign(gSpecExp.size(), 5);
  form.DrawSpectra(0, 0, true);
  EXPECT_THAT(host.clipboard[1], ::testing::StartsWith(
                                     "110.0\t1.00\t110.0\t105.00\t110.0\t704.00\r\n210.0\t2.00"));
  EXPECT_THAT(boxes.last().text, ::testing::HasSubstr(
                                     "  Spectrum: (Freq, Intensity)\r\n"
                                     "  Difference spectrum: (Freq, Intensity)\r\nSuitable"));
}

TEST_F(SpectrumDisplayTest, MarkersAreTrianglesWithTheirLetterInsideThePicture) {
  picture.BackColor = 0xFFFFFF;
  picture.ForeColor = 0x111111;
  form.DrawMarker(75, 1000, "A", picture, 0xFF, true);
  form.DrawMarker(75, 1000, "A", picture, 0xFF, false);
  form.DrawMarker(150, 1000, "B", picture, 0xFF, true);
  const auto lines = Lines();
  ASSERT_EQ(lines.size(), 6u);
  ExpectSegment(lines[0], 75, 1015, 0, 1115);
  EXPECT_EQ(lines[3].color, 0xFFFFFFu);
  const auto texts = picture.OpsOf(Kind::Print);
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0].x1, 75 + 20 - 45);
  EXPECT_EQ(texts[0].y1, 1125);
  EXPECT_EQ(picture.ForeColor, 0x111111u);
}

TEST_F(SpectrumDisplayTest, TreeForkStrokes) {
  picture.DrawWidth = 3;
  form.DrawTreeFork(picture, 100, 200, -30, 500, 40, 0, 1, 2);
  const auto lines = Lines();
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[0].y2, 200);
  EXPECT_EQ(lines[0].drawWidth, 2);
  EXPECT_EQ(lines[1].x2, 540);
  EXPECT_EQ(lines[1].drawStyle, PictureBox::kDrawStyleDot);
  EXPECT_EQ(lines[4].x1, 460);
  EXPECT_EQ(lines[4].y2, 270);
  EXPECT_EQ(picture.DrawWidth, 3);
}

TEST_F(SpectrumDisplayTest, CouplingTreeReplacesTheMarkers) {
  form.Controls().SetValue(Ctl::mnuABXTree, 0, true);
  gNumSpinMarks = 2;
  gSpinMarks[1].Shift = 40;
  gSpinMarks[2].Shift = 60;
  form.DrawSpectra(0, 0, false);
  // No marker letters: only the status text of the start is printed again.
  for (const auto& op : picture.OpsOf(Kind::Print)) EXPECT_EQ(op.text, form.Status().Text(1, true));
  EXPECT_GT(Lines().size(), 8u);
  gSpinMarks[2].Shift = 900000;  // far outside the window
  gTwipsPerHz = 3000;
  EXPECT_NO_THROW(form.DrawSpectra(0, 0, false));
}

TEST_F(SpectrumDisplayTest, FrequencyLabelsInHertzOrPpm) {
  const Control& pic = Ctrl(Ctl::picKavo);
  gPrintBoxToggles = 0;
  form.FreqReadoutUpdate();
  ASSERT_EQ(host.formTexts.size(), 3u);
  EXPECT_EQ(host.formTexts[0].text, "110.0 Hz");
  EXPECT_EQ(host.formTexts[0].x, pic.Left - 200);
  EXPECT_EQ(host.formTexts[0].y, pic.Top + pic.Height + 30);
  EXPECT_EQ(host.formTexts[1].text, "10.0 Hz");
  EXPECT_EQ(host.formTexts[2].text, "<--- Hz");
  gPrintBoxToggles = 0x40;
  gSpec.MHz = 0;
  gHorOffHz = 300;
  form.FreqReadoutUpdate();
  EXPECT_EQ(gSpec.MHz, 300);
  EXPECT_EQ(host.formTexts[1].text, "1.0 ppm");
}

// Under a narrow picture the end labels keep apart, the right one moving just past the left
// one, and the arrow is left out where it has no room; a wide picture keeps the placement.
TEST_F(SpectrumDisplayTest, FrequencyLabelsKeepApartUnderANarrowPicture) {
  host.formCharWidth = 90;
  gSpec.MHz = 60;
  struct Case {
    float width;
    int32_t toggles;
    float spectHz, offHz;
    bool arrow;
  };
  const Case cases[] = {
      {12000, 0, 300, 10, true},
      {3000, 0x40, 3000, -1500, false},  // "25.0 ppm" <--- ppm "-25.0 ppm"
      {3000, 0, 12000, -4000, false},
      {600, 0, 12000, -4000, false},     // the end labels themselves would meet
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.width);
    form.Controls().SetWidth(Ctl::picKavo, 0, c.width);
    const Control& pic = Ctrl(Ctl::picKavo);
    gPrintBoxToggles = c.toggles;
    gSpectHz = c.spectHz;
    gHorOffHz = c.offHz;
    form.FreqReadoutUpdate();
    ASSERT_EQ(host.formTexts.size(), c.arrow ? 3u : 2u);
    EXPECT_EQ(host.formTexts[0].x, pic.Left - 200);
    EXPECT_GE(host.formTexts[1].x, pic.Left + pic.Width - 860);
    if (c.arrow) {
      EXPECT_EQ(host.formTexts[1].x, pic.Left + pic.Width - 860);
      EXPECT_EQ(host.formTexts[2].x, pic.Left + pic.Width / 2);
    }
    std::vector<std::pair<float, float>> spans;
    for (const auto& t : host.formTexts)
      spans.emplace_back(t.x, t.x + host.FormTextWidth(t.text));
    std::sort(spans.begin(), spans.end());
    for (size_t i = 1; i < spans.size(); ++i) EXPECT_LT(spans[i - 1].second, spans[i].first);
  }
}

TEST_F(SpectrumDisplayTest, HertzToPpm) {
  gSpec.MHz = 0.5f;
  EXPECT_EQ(form.HzToPpmDisplay(600, 0), 600);
  EXPECT_EQ(form.HzToPpmDisplay(600, 0x40), 2);
  gSpec.MHz = 400;
  EXPECT_EQ(form.HzToPpmDisplay(600, 0x41), 1.5);
}

TEST_F(SpectrumDisplayTest, SpectrumMaximum) {
  gSpectrum[1] = -4;
  gSpectrum[7] = 9;
  EXPECT_EQ(form.SpectrumMax(), 9);
  gNumPts = 0;
  EXPECT_EQ(form.SpectrumMax(), -4);
}

}  // namespace
