// Test fixture: an empty settings file (the built-in parameter limits) and a simulation type at
// its defaults as the current type.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>

#include "drawlib/ini/libr_ini.h"
#include "engine/engine_globals.h"
#include "engine/type_tables.h"
#include "tests/support/process_state.h"
#include "tests/support/scratch_folder.h"

class CurrentTypeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetProcessState();
    IniRegisterFile(folder.File("KAVO71.ini"));
  }
  void TearDown() override { ResetProcessState(); }
  static void SelectType(int16_t type) { LoadSimTypeTables(type); }

  ScratchFolder folder;
};
