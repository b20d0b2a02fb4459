// Test fixture of the PostScript writer: a fresh writer, the preferences it reads, a data file
// of synthetic entries and a recorder for its message boxes.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "documents/data_file.h"
#include "documents/data_file_format.h"
#include "drawlib/device/world_window.h"
#include "drawlib/pardata.h"
#include "drawlib/util/error_location.h"
#include "output/postscript_writer.h"
#include "platform/msgbox.h"
#include "tests/support/msgbox_recorder.h"

class PostScriptFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_ = Pardata;
    savedWindow_ = WorldWindow;
    savedFlags_ = OutputFlags;
    Pardata[21].Default = 0.7f;
    Pardata[35].Default = 0.7f;
    Pardata[48].Default = 1.0f;
    OutputFlags = kOutputPostScript;
    SetEntries({{374, "%P\n"}});
  }
  void TearDown() override {
    DataFileReset();
    Pardata = saved_;
    WorldWindow = savedWindow_;
    OutputFlags = savedFlags_;
  }
  static void SetEntries(const std::map<int, std::string>& entries) {
    DataFileSetBytes(datafile::Build(entries, "writer tests").value());
  }
  // Starts a document on the world rectangle (0, 0)-(1418.2, 709.1) and returns the length of
  // its header.
  size_t StartDocument() {
    writer.PSHeader("T", 0.0f, 0.0f, 1418.2f, 709.1f);
    return writer.Buffer().size();
  }
  // Calls on a fresh document and the text they append after its header.
  struct Case {
    const char* name;
    std::function<void(ZEF1PS&)> calls;
    const char* body;
  };
  // Runs each case on a new document (scale 0.7, origin 0, 0); exitId: the ErrorLocation the
  // last call leaves (0: not checked).
  void RunCases(const std::vector<Case>& cases, int16_t exitId = 0) {
    for (const Case& c : cases) {
      const size_t h = StartDocument();
      c.calls(writer);
      EXPECT_EQ(Body(h), c.body) << c.name;
      if (exitId) {
        EXPECT_EQ(ErrorLocation, exitId) << c.name;
      }
    }
  }
  // What the emitters appended since StartDocument.
  std::string Body(size_t headerSize) const { return writer.Buffer().substr(headerSize); }

  ZEF1PS writer;
  MsgBoxRecorder boxes;

 private:
  decltype(Pardata) saved_;
  WorldWindowRec savedWindow_;
  uint16_t savedFlags_ = 0;
};
