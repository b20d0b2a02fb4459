// Test fixture of the groups: fresh process state, a scratch folder with the settings file
// registered, a fixed clock (2024-03-05 14:07:09), recorded message boxes and unsynced atomic
// saves.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "drawlib/drawlib_init.h"
#include "drawlib/ini/libr_ini.h"
#include "drawlib/pardata.h"
#include "engine/engine_globals.h"
#include "groups/group_clock.h"
#include "groups/sim_item.h"
#include "platform/atomic_file_seam.h"
#include "platform/clipboard.h"
#include "tests/support/msgbox_recorder.h"
#include "tests/support/process_state.h"
#include "tests/support/scratch_folder.h"

inline std::tm FixedClock() {
  std::tm t{};
  t.tm_year = 124;
  t.tm_mon = 2;
  t.tm_mday = 5;
  t.tm_hour = 14;
  t.tm_min = 7;
  t.tm_sec = 9;
  return t;
}

inline std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
inline void WriteAll(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

class GroupsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetProcessState();
    PardataBuild();
    IniRegisterFile(folder.File("KAVO71.ini"));
    SetGroupClock(&FixedClock);
    AtomicWriteSkipSyncForTests(true);
  }
  void TearDown() override { ResetProcessState(); }
  // An item of type 2 (AB) with parameter values "1", "2", ... and increments "0.5".
  static SimItem AbItem(const std::string& name) {
    SimItem item;
    item.Type = " 2";
    item.Group = " 0";
    item.Name = name;
    item.SpecRef = " 0";
    item.SpecMHz = " 200";
    item.SpectType = " 1";
    item.VertMult = " 1.5";
    item.TempK = "298";
    item.VertLock = "0";
    item.VertLockHt = " 2000";
    item.SpecOffset = " 0";
    item.ScreenParam = "0123";
    for (size_t k = 0; k < kSimParCount; ++k) {
      item.Param[k] = std::to_string(k + 1);
      item.ParamIncr[k] = "0.5";
    }
    return item;
  }

  ScratchFolder folder;
  MsgBoxRecorder boxes;
};
