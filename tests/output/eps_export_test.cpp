// The plot document of the simulator's first AB simulation exported as Encapsulated PostScript
// through the export entry, as the export commands do, with the main window's own services, and
// read by Ghostscript: it renders at its header's size without an error, draws inside its
// bounding box, and its axis carries its labelled ticks in ppm.
#include <gtest/gtest.h>

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "documents/data_file.h"
#include "documents/file_startup.h"
#include "drawlib/document_services.h"
#include "documents/plot_document.h"
#include "documents/spec_record.h"
#include "drawlib/app_hooks_kavo.h"
#include "drawlib/steps/step_list.h"
#include "engine/engine_globals.h"
#include "output/export_by_spec.h"
#include "output/postscript_writer.h"
#include "output/output_registration.h"
#include "output/output_services.h"
#include "tests/mainwin/mainwin_fixture.h"
#include "tests/output/output_fixture.h"
#include "tests/support/comma_locale.h"
#include "tests/support/scratch_folder.h"

namespace {

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
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

// The four numbers after a "%%BoundingBox:" line's tag.
bool BoundingBox(const std::string& text, const std::string& tag, double box[4]) {
  const size_t at = text.find(tag);
  if (at == std::string::npos) return false;
  std::istringstream numbers(text.substr(at + tag.size()));
  return static_cast<bool>(numbers >> box[0] >> box[1] >> box[2] >> box[3]);
}

// The simulator as it starts: the main window loaded over a program folder of its own (its first
// calculation is an AB spectrum), registered as the engine's main window and as the plot's
// sources, with the program's documents, hooks, PostScript writer and output services.
class EpsExportTest : public MainWinTest {
 protected:
  void SetUp() override {
    MainWinTest::SetUp();
    SetFileDialogService(&dialogs);
    DocumentServicesRegister();
    SetAppHooks(&hooks_);
    PostScriptWriterRegister();
    OutputServicesRegister();
    Load();
    gSpec.MHz = 200;  // the axis in ppm (the print box toggles ask for it)
  }
  void TearDown() override {
    RegisterOutputServices(nullptr);
    SetPostScriptWriter(nullptr);
    SetAppHooks(nullptr);
    SetDocumentServices(nullptr);
    SetFileDialogService(nullptr);
    MainWinTest::TearDown();
  }
  KavoHooks hooks_;
  ScriptedFileDialog dialogs;
};

// The texts of the PostScript label runs "(text) _LbTXT" that are plain numbers ("-1.25").
std::vector<double> NumberRuns(const std::string& text) {
  std::vector<double> numbers;
  const std::string tail = ") _LbTXT";
  for (size_t end = text.find(tail); end != std::string::npos; end = text.find(tail, end + 1)) {
    const size_t open = text.rfind('(', end);
    if (open == std::string::npos) continue;
    const std::string run = text.substr(open + 1, end - open - 1);
    const size_t digits = run.find_first_not_of("0123456789", run.starts_with('-') ? 1 : 0);
    const bool plain = !run.empty() && run != "-" &&
                       (digits == std::string::npos ||
                        (run[digits] == '.' && digits + 1 < run.size() &&
                         run.find_first_not_of("0123456789", digits + 1) == std::string::npos));
    double value = 0;
    if (plain && std::from_chars(run.data(), run.data() + run.size(), value).ec == std::errc())
      numbers.push_back(value);
  }
  return numbers;
}

TEST_F(EpsExportTest, ThePlotOfASimulationIsAnEpsFileGhostscriptDrawsInsideItsBox) {
  if (Shell("gs --version").find("EXIT FAILED") != std::string::npos) GTEST_SKIP() << "no gs";
  CommaLocale comma;  // the file must not depend on the locale
  CreateSimPlot(0);
  // A caption with a Greek capital, a superscript and accented letters.
  StepCreate(kStepLabel, -1500, 2500, "F  H = 4 > ^DG~^#  \xe9t\xe9", StepData{});
  ScratchFolder folder;
  const std::string eps = folder.File("ab.eps");
  dialogs.answers.push_back(eps);
  ExportBySpec("EPS Disk Page ");
  const std::string text = ReadBytes(eps);
  ASSERT_FALSE(text.empty()) << "no file written";
  EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
  for (const char* bad : {"nan", "inf", "NaN", "INF"}) EXPECT_EQ(text.find(bad), std::string::npos);

  const std::string png = folder.File("ab.png");
  EXPECT_EQ(Shell("gs -q -dSAFER -dBATCH -dNOPAUSE -dEPSCrop -r72 -sDEVICE=png16m -sOutputFile=" +
                png + " " + eps),
            "");
  if (const char* dir = std::getenv("KAVO_SCREENSHOT_DIR"))
    Shell("gs -q -dSAFER -dBATCH -dNOPAUSE -dEPSCrop -r96 -sDEVICE=png16m -sOutputFile=" +
        std::string(dir) + "/ab-eps.png " + eps);
  double header[4], drawn[4];
  ASSERT_TRUE(BoundingBox(text, "%%BoundingBox:", header));
  ASSERT_TRUE(BoundingBox(Shell("gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=bbox " + eps),
                          "%%BoundingBox:", drawn));
  EXPECT_GE(drawn[0], header[0] - 1);
  EXPECT_GE(drawn[1], header[1] - 1);
  EXPECT_LE(drawn[2], header[2] + 1);
  EXPECT_LE(drawn[3], header[3] + 1);
  EXPECT_GT(drawn[2] - drawn[0], 100) << "hardly anything drawn";

  // The axis in ppm: its caption and at least three labelled ticks, all within the shown range
  // (in Hz they would lie hundreds of units away).
  EXPECT_NE(text.find("(ppm) _LbTXT"), std::string::npos);
  const double a = gHorOffHz / 200.0, b = (gHorOffHz + gSpectHz) / 200.0;
  const std::vector<double> ticks = NumberRuns(text);
  EXPECT_GE(ticks.size(), 3u) << "the axis carries no labelled ticks";
  for (double t : ticks) {
    EXPECT_GE(t, std::min(a, b) - 1e-6) << "tick " << t << " outside " << a << ".." << b;
    EXPECT_LE(t, std::max(a, b) + 1e-6) << "tick " << t << " outside " << a << ".." << b;
  }
}

}  // namespace
