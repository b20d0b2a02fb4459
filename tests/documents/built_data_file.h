// Reads the program data file the build generates through the data-file reader, as the program
// does, and decodes its glyph entries.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "documents/data_file.h"
#include "documents/file_location.h"
#include "documents/file_startup.h"
#include "tests/support/msgbox_recorder.h"
#include "tests/support/process_state.h"

class BuiltDataFile : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetProcessState();
    FileLocation[kLocDataFile] = KAVO71_DAT_PATH;
  }
  void TearDown() override {
    EXPECT_TRUE(boxes_.empty()) << boxes_.last().text;
    ResetProcessState();
  }

  static std::string Entry(int n) { return FileDataRetrieve(static_cast<int16_t>(n)); }
  // The little-endian 16-bit value at byte `at`.
  static int Int16At(const std::string& bytes, std::size_t at) {
    if (bytes.size() < at + 2) return -998;
    const auto lo = static_cast<unsigned char>(bytes[at]), hi = static_cast<unsigned char>(bytes[at + 1]);
    return static_cast<int16_t>(lo | (hi << 8));
  }

  MsgBoxRecorder boxes_;
};
