// Journeys that begin before the window is up: the boxes the start-up shows are answered by the
// script, and a script that cannot do what it says fails instead of passing.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "program_run.h"

namespace {

namespace fs = std::filesystem;

bool Has(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

}  // namespace

// A settings file far too large to be one: the start-up says so, the window comes up with the
// default settings, and the file is neither read nor written over, at the start or at the close.
TEST(Journeys, ATooLargeSettingsFileAtTheStartIsLeftAlone) {
  ProgramFolder folder("large-settings");
  const std::string ini = folder.Bin("KAVO71.ini");
  WriteFile(ini, "[Preferences]\r\n35 Print Scale:=0.7\r\n");
  const std::uintmax_t size = std::uintmax_t{17} << 20;
  fs::resize_file(ini, size);
  const ProgramRun run = folder.Run({"answer OK", "dump started", "close"});
  EXPECT_EQ(run.exitCode, 0) << run.log;
  ASSERT_FALSE(run.events.empty()) << run.log;
  EXPECT_EQ(run.events.back(), "end") << run.log;

  const std::vector<std::string> boxes = run.Events("box: ");
  ASSERT_EQ(boxes.size(), 1u) << run.log;
  EXPECT_TRUE(Has(boxes[0], ini)) << boxes[0];
  EXPECT_TRUE(Has(boxes[0], "is larger than 16 MB")) << boxes[0];
  EXPECT_TRUE(Has(boxes[0], "The program starts with its default settings.")) << boxes[0];
  EXPECT_TRUE(Has(run.Get("started", "types"), "AB*")) << run.log;
  EXPECT_EQ(fs::file_size(ini), size);
  EXPECT_EQ(ReadFile(ini).substr(0, 15), "[Preferences]\r\n");
}

// A data file of an older program: the start-up box is answered and the program ends; a script
// that goes on past that point fails, since there is no window to play it on.
TEST(Journeys, AnObsoleteDataFileEndsTheStart) {
  ProgramFolder folder("obsolete-data");
  const std::string dat = folder.Bin("KAVO71.dat");
  WriteFile(dat, "ZEF1620DAT");
  const ProgramRun run = folder.Run({"answer OK"});
  EXPECT_EQ(run.exitCode, 0) << run.log;
  const std::vector<std::string> boxes = run.Events("box: ");
  ASSERT_EQ(boxes.size(), 1u) << run.log;
  EXPECT_EQ(boxes[0], "[VIREO Startup] " + dat +
                          " is an obsolete data file. Contact KESMO Products for a current one. "
                          "Location: [ 5511]  Press OK to exit VIREO.");
  EXPECT_EQ(run.events.back(), "end") << run.log;

  const ProgramRun further = folder.Run({"answer OK", "dump window"});
  EXPECT_EQ(further.exitCode, 3) << further.log;
  EXPECT_TRUE(Has(further.log, "error: the program ended at its start before: dump window"))
      << further.log;
}

// A file chosen in a folder that does not exist fails the script: a save dialog would take the
// name in its own folder, and the journey would go on as if it had saved where it said.
TEST(Journeys, AFileInAMissingFolderFailsTheScript) {
  ProgramFolder folder("missing-folder");
  const std::string path = folder.Work("missing/ethyl.sim");
  const ProgramRun run = folder.Run({"menu Sim-Group \"New Simulation Group...\"", "file " + path,
                                     "input \"Ethyl groups\"", "close"});
  EXPECT_EQ(run.exitCode, 3) << run.log;
  EXPECT_TRUE(Has(run.log, "error: the folder of " + path + " does not exist")) << run.log;
  EXPECT_FALSE(FileExists(folder.Bin("ethyl.sim"))) << "saved in the dialog's own folder";
}
