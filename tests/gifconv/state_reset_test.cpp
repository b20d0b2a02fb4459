// Every conversion starts from the default state, whatever an earlier one left behind: a file
// that relies on the defaults converts byte for byte as it does in a fresh process.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include "gifconv/corvid32.h"
#include "tests/gifconv/gif_helpers.h"
#include "tests/support/scratch_folder.h"

namespace {

// Draws with the default pen, brush, font, colours, alignment, background mode and position.
std::string ReliesOnDefaults() {
  WmfBuilder b;
  b.SetWindowExt(100, 60).LineTo(50, 30).Rectangle(60, 10, 90, 40).TextOut(10, 35, "Default");
  return b.Placeable(0, 0, 100, 60, 96);
}

// Leaves every kind of state changed, then fails at the GIF path or at a bad record.
std::string ChangesEverything() {
  WmfBuilder b;
  b.SetWindowOrg(-20, 7).SetWindowExt(30, -200).SetMapMode(8).SaveDc().SaveDc();
  b.CreatePen(0, 9, 0x0000FF).CreateBrush(0, 0x00FF00).CreateFont(-30, 900, 700, true, true, "Times New Roman");
  b.Select(0).Select(1).Select(2).SetTextColor(0xFF00FF).SetBkColor(0x00FFFF).SetBkMode(2);
  b.SetTextAlign(1 | 8 | 6).SetPolyFillMode(2).MoveTo(77, 33).SetViewportOrg(13, 17);
  return b.Placeable(0, 0, 100, 60, 96);
}

std::string ChangesEverythingEnhanced() {
  EmfBuilder b;
  b.SetMapMode(2).SetWindowOrg(5, 5).CreatePen(1, 0, 7, 0x0000FF).Select(1).SetTextColor(0xFF);
  b.CreateBrush(2, 0, 0x00FF00).Select(2).SaveDc().MoveTo(40, 40).SetTextAlign(25);
  return b.Bytes(0, 0, 100, 60);
}

}  // namespace

TEST(StateReset, FailedConversionsLeaveNothingForTheNext) {
  ScratchFolder dir;
  const std::string defaults = dir.File("defaults.wmf"), changes = dir.File("changes.wmf");
  const std::string changesEmf = dir.File("changes.emf"), bad = dir.File("bad.wmf");
  WriteAll(defaults, ReliesOnDefaults());
  WriteAll(changes, ChangesEverything());
  WriteAll(changesEmf, ChangesEverythingEnhanced());
  std::string broken = ChangesEverything();
  broken.resize(broken.size() - 4);  // the end record cut: a record past the end
  WriteAll(bad, broken);

  // The reference, converted in a fresh process.
  const std::string fresh = dir.File("fresh.gif");
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) ::_exit(Corvid(defaults.c_str(), fresh.c_str(), 100, 100) == 1 ? 0 : 1);
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);

  const std::string missing = dir.File("missing/x.gif"), after = dir.File("after.gif");
  EXPECT_EQ(Corvid(changes.c_str(), missing.c_str(), 100, 100), -2);
  EXPECT_EQ(Corvid(defaults.c_str(), after.c_str(), 100, 100), 1);
  EXPECT_EQ(ReadAll(after), ReadAll(fresh));

  EXPECT_EQ(Corvid(changesEmf.c_str(), missing.c_str(), 100, 100), -2);
  EXPECT_EQ(Corvid(bad.c_str(), after.c_str(), 100, 100), -3);
  EXPECT_EQ(Corvid(defaults.c_str(), after.c_str(), 100, 100), 1);
  EXPECT_EQ(ReadAll(after), ReadAll(fresh));
  // The changed state does show when it is not reset: the files differ.
  EXPECT_EQ(Corvid(changes.c_str(), after.c_str(), 100, 100), 1);
  EXPECT_NE(ReadAll(after), ReadAll(fresh));
}
