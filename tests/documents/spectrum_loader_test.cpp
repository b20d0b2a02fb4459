#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "documents/file_dialog.h"
#include "documents/file_startup.h"
#include "documents/spec_import.h"
#include "documents/spec_loaders.h"
#include "documents/spectrum_loader.h"
#include "engine/calc_spectrum.h"
#include "engine/engine_globals.h"
#include "engine/spectrum_file_services.h"
#include "tests/documents/spectrum_fixtures.h"
#include "tests/documents/test_files.h"
#include "tests/support/msgbox_recorder.h"
#include "tests/support/process_state.h"
#include "tests/support/scratch_folder.h"

namespace {

class SpectrumLoaderTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetProcessState(); }
  void TearDown() override {
    SetFileDialogService(nullptr);
    ResetProcessState();
  }
  std::string Write(const std::string& name, const FixtureBytes& f) {
    return WriteTestFile(folder.File(name), f.bytes);
  }
  ScratchFolder folder;
  MsgBoxRecorder boxes;
};

struct LoadCase {
  std::string name;
  FixtureBytes file;
  int32_t points;
  float sw, mhz, ref;
  std::string s0, s3;
  std::vector<std::pair<int, float>> values;  // index, value
  int32_t lowest = 0;  // the lowest raw index the file fills
};

TEST_F(SpectrumLoaderTest, EachFormatLoadsItsHeaderStringsAndValues) {
  const std::vector<LoadCase> cases = {
      {"a.lyb", LybricsFile(9, 1000, 400, 25, {30, 20, 10, 0, -10}), 4, 1000, 400, 25,
       "M > Lybrics (PCNMR) Spectrum{/}", "L > No ID", {{4, 30}, {2, 10}, {0, -10}}},
      {"b.nut", NutsFile(1, 3, 500, 300, -12, {1.5f, 2.5f, 3.5f, 4.5f}), 3, 500, 300, -12,
       "M > Cap _tion", "L > Proton ^{test^}{/}second", {{3, 1.5f}, {0, 4.5f}}},
      {"c.nut", NutsFile(2, 2, 200, 100, 0, {7, 8, 9}), 2, 200, 100, 0,
       "M > Nuts Type 1/2 NMR Spectrum{/}", "L > A{/}B{/}C", {{2, 7}, {0, 9}}},
      {"d.txt",
       NutsTextFile("$$JCAMPDX\r\n##JCAMP-DXB= 3\r\n##TITLE= my {run}\r\n##$DATE= 1 May\r\n"
                    "##$POINTS= 4, 1\r\n##$FREQUENCY= 250.5\r\n##$SWEEP_WIDTH= 800\r\n"
                    "##$FREQ_OFFSET= 100\r\n",
                    {5, 6, 7, 8}),
       4, 800, 250.5f, -300, "M > MY ^{RUN^}", "L > 1 MAY", {{4, 5}, {1, 8}, {0, 0}}, 1},
      {"e.tnt", TecmagFile(3, 200.25, 10, 250, {1, 2, 3, 4}), 3, 500, 200.25f, -260,
       "M > TecMag NMR Spectrum{/}", "L > TNT1.003TMAG{/}Title one{/}Second",
       {{3, 1}, {0, 4}}},
      // Eight points and eight values: index 0 stays empty.
      {"f.lyb", LybricsFile(16, 300, 200, 0, {8, 7, 6, 5, 4, 3, 2, 1}), 8, 300, 200, 0,
       "M > Lybrics (PCNMR) Spectrum{/}", "L > No ID", {{8, 8}, {1, 1}, {0, 0}}, 1},
  };
  for (const LoadCase& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string path = Write(c.name, c.file);
    ASSERT_NE(LoadSpectrumFile(path, gSpec, SpecRawData), 0);
    EXPECT_TRUE(boxes.empty()) << (boxes.empty() ? "" : boxes.last().text);
    EXPECT_EQ(gSpec.NumPts, c.points);
    EXPECT_EQ(gSpec.ImpNumPts, c.points);
    EXPECT_FLOAT_EQ(gSpec.WdthHz, c.sw);
    EXPECT_FLOAT_EQ(gSpec.ImpWdthHz, c.sw);
    EXPECT_FLOAT_EQ(gSpec.MHz, c.mhz);
    EXPECT_FLOAT_EQ(gSpec.Ref, c.ref);
    EXPECT_EQ(gSpec.Strings[0].substr(0, c.s0.size()), c.s0);
    EXPECT_EQ(gSpec.Strings[2], "F > " + path);
    EXPECT_EQ(gSpec.Strings[3], c.s3);
    ASSERT_EQ(SpecRawData.size(), std::size_t(c.points) + 1);
    for (auto [i, v] : c.values) EXPECT_FLOAT_EQ(SpecRawData[std::size_t(i)], v) << i;
    EXPECT_EQ(SpecLowestLoaded(), c.lowest);
    boxes.Clear();
  }
}

TEST_F(SpectrumLoaderTest, LybricsPointsAreCappedAndTheRawArrayShrinksToEachLoad) {
  std::vector<int32_t> many(32767, 1);
  ASSERT_NE(LoadSpectrumFile(Write("big.lyb", LybricsFile(70000, 100, 100, 0, many)), gSpec,
                             SpecRawData),
            0);
  EXPECT_EQ(gSpec.NumPts, 32766);
  ASSERT_NE(LoadSpectrumFile(Write("small.lyb", LybricsFile(4, 100, 100, 0, {1, 2, 3})), gSpec,
                             SpecRawData),
            0);
  EXPECT_EQ(SpecRawData.size(), 3u);
}

TEST_F(SpectrumLoaderTest, RefusalsShowTheirBoxAndRestoreThePreviousSpectrum) {
  struct Refusal {
    std::string name;
    FixtureBytes file;
    std::string text;  // "<path>" stands for the file's name
    std::string title;
    int style;
  };
  const std::string damaged = "<path> is damaged and cannot be loaded.";
  const std::string multi = "ZEF can only handle 1D spectra. This file contains multi-dimensional data.";
  FixtureBytes lateMarker = NutsTextFile("$$JCAMPDX ##JCAMP-DXB ##TITLE= x ##$POINTS= 2, 1", {1, 2, 3}, 10001);
  const std::vector<Refusal> cases = {
      {"l0.lyb", LybricsFile(0, 100, 100, 0, {1}), damaged, "Load Lybrics NMR File", vbExclamation},
      {"l1.lyb", LybricsFile(20, 100, 100, 0, {1, 2}), damaged, "Load Lybrics NMR File", vbExclamation},
      {"l2.lyb", LybricsFile(4, 0, 100, 0, {1, 2, 3}), damaged, "Load Lybrics NMR File", vbExclamation},
      {"l3.lyb", LybricsFile(4, 100, NAN, 0, {1, 2, 3}), damaged, "Load Lybrics NMR File", vbExclamation},
      {"n1.nut", NutsFile(1, 8, 100, 100, 0, {1, 2}), damaged, "Load NUTS NMR File", vbExclamation},
      {"n2.nut", NutsFile(1, 2, -5, 100, 0, {1, 2, 3}), damaged, "Load NUTS NMR File", vbExclamation},
      {"n3.nut", NutsFile(1, 2, 100, 100, 0, {1, INFINITY, 3}), damaged, "Load NUTS NMR File", vbExclamation},
      {"n4.nut", NutsFile(1, 2, 100, 100, 0, {1, 2, 3}, 2),
       "ZEF can only handle 1D spectra. This file contains 2-dimensional data.", "VIREO", 0},
      {"t1.txt", NutsTextFile("$$JCAMPDX ##JCAMP-DXB ##TITLE= x ##$POINTS= 4, 2 ##$SWEEP_WIDTH= 9", {1, 2, 3, 4}),
       multi, "VIREO", 0},
      {"t2.txt", NutsTextFile("$$JCAMPDX ##JCAMP-DXB ##TITLE= x ##$POINTS= 9, 1 ##$SWEEP_WIDTH= 9", {1, 2}),
       damaged, "Load NUTS NMR File", vbExclamation},
      {"t3.txt", lateMarker,
       "LoadSpectrumNUTST3 Error. No Data marker (c-Z) found in first 10,000 bytes.", "VIREO", 0},
      {"m1.tnt", TecmagFile(3, 100, 0, 50, {1, 2, 3, 4}, 2), multi, "VIREO", 0},
      {"m2.tnt", TecmagFile(3, 100, 0, 1e300, {1, 2, 3, 4}), damaged, "Load TecMag NMR File", vbExclamation},
      {"m3.tnt", TecmagFile(40, 100, 0, 50, {1, 2}), damaged, "Load TecMag NMR File", vbExclamation},
      {"m4.tnt", FixtureBytes().Put(0, "TNT1.003TMAG"), damaged, "Load TecMag NMR File", vbExclamation},
  };
  const std::string good = Write("good.lyb", LybricsFile(4, 100, 123, 0, {1, 2, 3}));
  for (const Refusal& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_NE(LoadSpectrumFile(good, gSpec, SpecRawData), 0);
    const std::vector<float> rawBefore = SpecRawData;
    const std::string path = Write(c.name, c.file);
    boxes.Clear();
    EXPECT_EQ(LoadSpectrumFile(path, gSpec, SpecRawData), 0);
    ASSERT_EQ(boxes.count(), 1u);
    std::string text = c.text;
    if (text.rfind("<path>", 0) == 0) text = "<" + path + ">" + text.substr(6);
    EXPECT_EQ(boxes.last().text, text);
    EXPECT_EQ(boxes.last().title, c.title);
    EXPECT_EQ(boxes.last().style, c.style);
    EXPECT_FLOAT_EQ(gSpec.MHz, 123);
    EXPECT_EQ(gSpec.Strings[2], "F > " + good);
    EXPECT_EQ(SpecRawData, rawBefore);
  }
}

// A spectrum file of each format with 1 GiB appended (a sparse file): refused by its size
// before it is read, the previous spectrum kept, the file unchanged.
TEST_F(SpectrumLoaderTest, HugeFilesAreRefusedByTheirSize) {
  const std::vector<std::pair<std::string, FixtureBytes>> cases = {
      {"a.lyb", LybricsFile(4, 100, 100, 0, {1, 2, 3})},
      {"b.nut", NutsFile(1, 3, 500, 300, -12, {1.5f, 2.5f, 3.5f, 4.5f})},
      {"d.txt", NutsTextFile("$$JCAMPDX\r\n##JCAMP-DXB= 3\r\n##TITLE= t\r\n##$POINTS= 2, 1\r\n"
                             "##$SWEEP_WIDTH= 800\r\n",
                             {5, 6})},
      {"e.tnt", TecmagFile(3, 200.25, 10, 250, {1, 2, 3, 4})},
  };
  const std::string good = Write("good.lyb", LybricsFile(4, 100, 123, 0, {1, 2, 3}));
  for (const auto& [name, file] : cases) {
    SCOPED_TRACE(name);
    ASSERT_NE(LoadSpectrumFile(good, gSpec, SpecRawData), 0);
    const std::string path = Write(name, file);
    std::filesystem::resize_file(path, std::uintmax_t{1} << 30);
    boxes.Clear();
    EXPECT_EQ(LoadSpectrumFile(path, gSpec, SpecRawData), 0);
    ASSERT_EQ(boxes.count(), 1u);
    EXPECT_EQ(boxes.last().text, "<" + path +
                                     "> is larger than 32 MB, more than any NMR spectrum file "
                                     "holds; it is not loaded.");
    EXPECT_FLOAT_EQ(gSpec.MHz, 123);
    EXPECT_EQ(std::filesystem::file_size(path), std::uintmax_t{1} << 30);
  }
}

TEST_F(SpectrumLoaderTest, OtherFileTypesShowTheDetectorsMessage) {
  const std::string wmf = WriteTestFile(folder.File("plain.wmf"), std::string(40, 'x'));
  EXPECT_EQ(LoadSpectrumFile(wmf, gSpec, SpecRawData), 0);
  ASSERT_EQ(boxes.count(), 1u);
  EXPECT_NE(boxes.last().text.find("This Windows Metafile does not contain a ZEF drawing."),
            std::string::npos);
}

TEST_F(SpectrumLoaderTest, ZeroMHzAsksOnceAndAnEmptyAnswerFailsKeepingTheValues) {
  const std::string path = Write("z.lyb", LybricsFile(4, 100, 0, 0, {1, 2, 3}));
  boxes.AnswerInput("61,5");
  EXPECT_NE(LoadSpectrumFile(path, gSpec, SpecRawData), 0);
  ASSERT_EQ(boxes.count(), 1u);
  EXPECT_TRUE(boxes.last().input);
  EXPECT_EQ(boxes.last().text,
            "There has been an error in the NMR spectrum file being loaded: Spectrum MHz is zero. "
            "Type the correct value for MHz.");
  EXPECT_EQ(boxes.last().title, "Error in ZEF1NMRFile.LoadSpectrumFile");
  EXPECT_FLOAT_EQ(gSpec.MHz, 61.5f);

  boxes.Clear();
  boxes.AnswerInput("");
  EXPECT_EQ(LoadSpectrumFile(path, gSpec, SpecRawData), 0);
  EXPECT_EQ(boxes.count(), 1u);
  EXPECT_EQ(gSpec.NumPts, 2);
  EXPECT_EQ(gSpec.Strings[2], "F > " + path);
}

TEST_F(SpectrumLoaderTest, ResamplingInterpolatesOrTakesTheNearestLowerPoint) {
  const std::vector<float> raw = {0, 10, 20, 30, 40, 50, 60, 70, 80};
  std::vector<float> target;
  // 1 point per Hz, 4 Hz over 8 display points: step 0.5, interpolated.
  SpecResample(raw, target, 8, 1.0, 2.0, 0.0, 4.0);
  EXPECT_EQ(target, (std::vector<float>{0, 25, 30, 35, 40, 45, 50, 55, 60}));
  // 0.9 points per Hz, 9 Hz over 3 points: step 2.7, the nearest lower point.
  SpecResample(raw, target, 3, 0.9, 0.0, 0.0, 9.0);
  EXPECT_EQ(target[1], 20);  // p = 2.7
  EXPECT_EQ(target[2], 50);  // 5.4
  EXPECT_EQ(target[3], 0);  // k + 1 beyond the data
  // An offset beyond every range gives zeros.
  EXPECT_EQ(SpecResample(raw, target, 3, 1e30, 1e30, -1e30, 1.0), 0);
  EXPECT_EQ(target[1], 0);
}

// Raw index 0 of these spectra holds no loaded value: it is set to a value far off the data,
// which no display point may show, and the display points outside the loaded data are
// reported as not loaded.
TEST_F(SpectrumLoaderTest, ResamplingNeverTakesAValueFromAnEmptyRawPoint) {
  struct Case {
    const char* name;
    int32_t rawPoints;  // raw 1..rawPoints are loaded
    int32_t count;      // display points
    double pointsPerHz, startHz, widthHz;
    int32_t first, last;  // the display points expected to hold loaded values
  };
  const Case cases[] = {
      // Eight points over 300 Hz onto 553 display points, the display the whole sweep: point
      // 1 lies at raw 8/553, the first point past raw 1 is 70, the last before raw 8 is 552.
      {"eight onto the sweep", 8, 553, 8 / 300.0, 0, 300, 70, 552},
      // The display from 100 Hz below the data over 600 Hz: offset -3 raw points, step
      // 16 / 553; raw 1 is reached at point 139, the last pair ends before point 381.
      {"eight inside a wider display", 8, 553, 8 / 300.0, -100, 600, 139, 380},
      // The display from 200 Hz over 300 Hz: offset 5, step 0.08, the data end at point 37.
      {"eight, ending inside the display", 8, 100, 8 / 300.0, 200, 300, 1, 37},
      // The display entirely inside the data.
      {"eight, zoomed in", 8, 100, 8 / 300.0, 75, 150, 1, 100},
      // The display entirely below the data: nothing loaded shows.
      {"eight, off the data", 8, 100, 8 / 300.0, -500, 100, 1, 0},
      // More raw points than display points: the nearest lower point, step 10.24.
      {"1024 onto 100", 1024, 100, 1024 / 1000.0, 0, 1000, 1, 99},
      // Fewer: step 0.5, point 1 would blend raw 0 in.
      {"1024 onto 2048", 1024, 2048, 1024 / 1000.0, 0, 1000, 2, 2047},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<float> raw(std::size_t(c.rawPoints) + 1);
    for (int32_t k = 1; k <= c.rawPoints; ++k) raw[std::size_t(k)] = float(100 + k % 7);
    std::vector<float> withZero, withFarOff;
    SpecShownPoints shown, shownFarOff;
    raw[0] = 0;
    const float smallest = SpecResample(raw, withZero, c.count, c.pointsPerHz, c.startHz, 0,
                                        c.widthHz, 1, &shown);
    raw[0] = 1e5f;
    SpecResample(raw, withFarOff, c.count, c.pointsPerHz, c.startHz, 0, c.widthHz, 1,
                 &shownFarOff);
    EXPECT_EQ(withFarOff, withZero);  // raw 0 never reaches the display
    EXPECT_EQ(shown.first, c.first);
    EXPECT_EQ(shown.last, c.last);
    EXPECT_EQ(shownFarOff.first, shown.first);
    EXPECT_EQ(shownFarOff.last, shown.last);
    for (int32_t i = 1; i <= c.count; ++i) {
      const float y = withZero[std::size_t(i)];
      if (i >= shown.first && i <= shown.last) {
        EXPECT_GE(y, 100) << i;  // a loaded value, or one between two of them
        EXPECT_LE(y, 106) << i;
      } else {
        EXPECT_EQ(y, 0) << i;
      }
    }
    // The 0 of a point off the data counts in the smallest value, as before.
    if (shown.first == 1 && shown.last == c.count) EXPECT_GE(smallest, 100);
    else EXPECT_EQ(smallest, 0);
  }
}

TEST_F(SpectrumLoaderTest, LoadSpectrumKavoKeepsTheLoadedPointsOfEachTarget) {
  // Eight values for eight points: raw 0 stays empty, and so does not pull the scale's
  // minimum down to 0.
  std::string name =
      Write("eight.lyb", LybricsFile(16, 300, 200, 0, {800, 700, 600, 500, 400, 300, 200, 100}));
  gNumPts = 553;
  std::vector<float> target, other;
  SpecShownPoints shown;
  EXPECT_FALSE(SpecLoadedPoints(target, shown));  // nothing mapped yet
  float mult = 1;
  ASSERT_EQ(LoadSpectrumKavo(name, target, 0, 300, 0, mult, 3), kSpectrumLoaded);
  ASSERT_TRUE(SpecLoadedPoints(target, shown));
  EXPECT_EQ(shown.first, 70);
  EXPECT_EQ(shown.last, 552);
  EXPECT_FALSE(SpecLoadedPoints(other, shown));
  // Raw 1 (100) at point 70 is close to the bottom; raw 8 (800) is the top: (800 - 0) / 700.
  EXPECT_NEAR(target[70], 100.0 / 700, 0.01);
  EXPECT_NEAR(target[552], 800.0 / 700, 0.01);
  // A re-mapping onto a narrower display (flag 2 only) keeps its own record.
  ASSERT_EQ(LoadSpectrumKavo(name, other, 75, 150, 0, mult, 2), kSpectrumLoaded);
  ASSERT_TRUE(SpecLoadedPoints(other, shown));
  EXPECT_EQ(shown.first, 1);
  EXPECT_EQ(shown.last, 553);
  ASSERT_TRUE(SpecLoadedPoints(target, shown));
  EXPECT_EQ(shown.first, 70);
}

TEST_F(SpectrumLoaderTest, LoadSpectrumKavoMapsScalesAndRemapsWithTheKeptValues) {
  std::string name = Write("k.tnt", TecmagFile(4, 100, 0, 2, {40, 30, 20, 10, 0}));
  gNumPts = 4;
  std::vector<float> target(6, -1);
  float mult = 0;
  // 4 points over 4 Hz, reference -2: the display from -2 Hz over 2 Hz.
  EXPECT_EQ(LoadSpectrumKavo(name, target, -2, 2, -2, mult, 3), kSpectrumLoaded);
  EXPECT_EQ(mult, 1.0f);
  EXPECT_EQ(boxes.texts(), std::vector<std::string>{"Error in vmult = 0"});
  EXPECT_FLOAT_EQ(target[1], 0.0f);    // smallest value 5 -> 0
  EXPECT_FLOAT_EQ(target[4], 0.375f);  // (20 - 5) / 40
  mult = 2;
  EXPECT_EQ(LoadSpectrumKavo(name, target, -2, 4, -2, mult, 6), kSpectrumLoaded);
  EXPECT_FLOAT_EQ(target[3], 2 * 30.0f / 40);
  EXPECT_FLOAT_EQ(target[4], 0.0f);  // beyond the data
}

// Line fitting loads with the display's scale kept in gSpec.VertMult: a second load of a file
// must scale like the first, not by the multiplier the file's header brings.
TEST_F(SpectrumLoaderTest, ASecondLoadWithTheSpectrumsOwnMultiplierScalesLikeTheFirst) {
  std::string name = Write("k.tnt", TecmagFile(4, 100, 0, 2, {40, 30, 20, 10, 0}));
  gNumPts = 4;
  std::vector<float> target(6, -1);
  gSpec.VertMult = 1800;
  for (int load = 0; load < 2; ++load) {
    ASSERT_EQ(LoadSpectrumKavo(name, target, -2, 2, -2, gSpec.VertMult, 7), kSpectrumLoaded);
    EXPECT_EQ(gSpec.VertMult, 1800.0f) << "load " << load;
    EXPECT_FLOAT_EQ(target[4], 0.375f * 1800) << "load " << load;
  }
}

TEST_F(SpectrumLoaderTest, ACancelledDialogLoadsNothing) {
  struct Cancel : FileDialogService {
    std::string Show(const FileDialogRequest& r) override {
      seen = r;
      return "";
    }
    FileDialogRequest seen;
  } dialog;
  SetFileDialogService(&dialog);
  std::string name = "/data/spectra/x.tnt";
  float mult = 1;
  std::vector<float> target;
  EXPECT_EQ(LoadSpectrumKavo(name, target, 0, 1, 0, mult, 15), kSpectrumNothingLoaded);
  EXPECT_EQ(dialog.seen.folder, "/data/spectra");
  EXPECT_EQ(name, "/data/spectra/x.tnt");
}

TEST_F(SpectrumLoaderTest, TypeZeroLoadsThroughTheEnginesRegisteredServices) {
  DocumentServicesRegister();
  ASSERT_NE(SpectrumFiles(), nullptr);
  gFinm = Write("t0.tnt", TecmagFile(4, 100, 0, 2, {40, 30, 20, 10, 0}));
  float mult = 1;
  std::vector<float> scratch;
  ASSERT_EQ(SpectrumFiles()->LoadSpectrumKavo(gFinm, scratch, 0, 4, 0, mult, 1), kSpectrumLoaded);
  SpectrumFiles()->SpecRef() = -2;
  gNumPts = 4;
  gSpectrum.assign(30, -1);
  SpectrumFiles()->LoadSpectrumKavo(gFinm, gSpectrum, -2, 2, SpectrumFiles()->SpecRef(), mult, 2);
  EXPECT_FLOAT_EQ(gSpectrum[4], 0.375f);
}

}  // namespace
