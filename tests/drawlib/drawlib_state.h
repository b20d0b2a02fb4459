// Test fixture: the drawing library starts each test from its reset state with the preference
// table built, an empty settings file registered, and message boxes recorded.
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "drawlib/drawlib_init.h"
#include "drawlib/ini/libr_ini.h"
#include "drawlib/pardata.h"
#include "tests/support/msgbox_recorder.h"
#include "tests/support/scratch_folder.h"

class DrawlibState : public ::testing::Test {
 protected:
  void SetUp() override {
    DrawLibReset();
    PardataBuild();
    WriteSettings("");
    IniRegisterFile(folder_.File("KAVO71.ini"));
  }
  void TearDown() override {
    IniResetForTests();
    DrawLibReset();
  }
  // Replaces the settings file's content.
  void WriteSettings(const std::string& content) {
    std::ofstream(folder_.File("KAVO71.ini"), std::ios::binary) << content;
  }

  MsgBoxRecorder boxes;

 private:
  ScratchFolder folder_;
};
