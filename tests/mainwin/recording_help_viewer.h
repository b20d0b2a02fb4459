// A help viewer that records what the program asks it to show.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/help_viewer.h"

class RecordingHelpViewer : public HelpViewer {
 public:
  struct Shown {
    std::string folder;
    int32_t id;
  };
  std::vector<Shown> topics, popups;
  int quits = 0;

  void ShowTopic(const std::string& folder, int32_t id) override { topics.push_back({folder, id}); }
  void ShowPopup(const std::string& folder, int32_t id) override { popups.push_back({folder, id}); }
  void Quit() override { ++quits; }
};
