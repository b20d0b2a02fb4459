// Test fixture of the engine: fresh engine state, a recording main window, a message-box
// recorder and a settings file of its own in a temporary folder.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "drawlib/ini/libr_ini.h"
#include "engine/engine_globals.h"
#include "engine/type_tables.h"
#include "engine/mainwin_services.h"
#include "engine/sim_catalogue.h"
#include "tests/support/msgbox_recorder.h"

// Records what the engine asks of the main window.
class RecordingMainWindow : public MainWindowServices {
 public:
  struct Message {
    std::string text;
    int16_t line;
    std::string where;
  };
  std::vector<Message> messages;
  std::vector<int16_t> drawnLineCounts;  // one entry per DrawSpectra
  std::vector<int16_t> pointers;
  std::vector<std::pair<int16_t, std::string>> valueBoxes;
  bool autoredraw = true;
  int16_t parScrnMax = 13;

  void MessageDisplay(const std::string& text, int16_t line, const std::string& where) override {
    messages.push_back({text, line, where});
  }
  void DrawSpectra(int16_t& lineCount, std::array<uint32_t, 4>&, int16_t&) override {
    drawnLineCounts.push_back(lineCount);
    gRedrawFlags = 0;
  }
  int16_t FrameFromPar(int16_t k) override { return k; }
  int16_t ParScrnMax() override { return parScrnMax; }
  bool AutoredrawChecked() override { return autoredraw; }
  void SetParValText(int16_t row, const std::string& text) override {
    valueBoxes.emplace_back(row, text);
  }
  double HzToPpmDisplay(double value, int32_t) override { return value; }
  void SetPointDisplay(int16_t& value) override { gPointStep = value; }
  void SetMousePointer(int16_t code) override { pointers.push_back(code); }
};

class EngineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetEngineState();
    RegisterMainWindowServices(&window);
    folder = std::filesystem::temp_directory_path() /
             ("kavo_engine_test_" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    iniPath = (folder / "KAVO71.ini").string();
    std::filesystem::remove(iniPath);
    IniRegisterFile(iniPath);
  }
  void TearDown() override {
    RegisterMainWindowServices(nullptr);
    std::filesystem::remove_all(folder);
  }
  void WriteSettings(const std::string& text) {
    std::ofstream(iniPath, std::ios::binary) << text;
    SimParLimits.Read = false;
  }
  // Selects a type as the main window does: set-up, copy into the current tables.
  void SelectType(int16_t type) { LoadSimTypeTables(type); }
  // A grid of n points over the current width.
  void SetGrid(int n) {
    gNumPts = static_cast<int16_t>(n);
    RedimSpectrum(n);
    gHzPerPt = gSpectHz / static_cast<float>(n);
  }

  RecordingMainWindow window;
  MsgBoxRecorder boxes;
  std::filesystem::path folder;
  std::string iniPath;
};
