// Printing and export for the main window's tests: records every call instead of printing.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "output/output_services.h"

class RecordingOutputServices : public OutputServices {
 public:
  struct Render {
    OutputRegion region;
    int16_t firstStep, lastStep, blackOnWhite, flags;
  };
  std::vector<std::string> exportSpecs;
  std::vector<Render> renders;
  std::vector<std::string> dialogSettings;
  std::string dialogAnswer;  // "" as when cancelled
  int previews = 0;

  RecordingOutputServices() { RegisterOutputServices(this); }
  ~RecordingOutputServices() override { RegisterOutputServices(nullptr); }
  RecordingOutputServices(const RecordingOutputServices&) = delete;
  RecordingOutputServices& operator=(const RecordingOutputServices&) = delete;

  void ExportBySpec(const std::string& exportSpec) override { exportSpecs.push_back(exportSpec); }
  void RenderOutput(const OutputRegion& region, int16_t firstStep, int16_t lastStep,
                    int16_t blackOnWhite, int16_t flags) override {
    renders.push_back({region, firstStep, lastStep, blackOnWhite, flags});
  }
  void PrintWithPreview() override { ++previews; }
  std::string ExportDialog(const std::string& settings) override {
    dialogSettings.push_back(settings);
    return dialogAnswer;
  }
};
