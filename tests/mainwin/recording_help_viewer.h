// A help viewer that records what it was asked to show: topics, popups and quits.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/help_viewer.h"

class RecordingHelpViewer : public HelpViewer {
 public:
  struct Call {
    std::string folder;
    int32_t id = 0;
  };
  void ShowTopic(const std::string& helpFolder, int32_t contextId) override {
    topics.push_back({helpFolder, contextId});
  }
  void ShowPopup(const std::string& helpFolder, int32_t contextId) override {
    popups.push_back({helpFolder, contextId});
  }
  void Quit() override { ++quits; }

  std::vector<Call> topics;
  std::vector<Call> popups;
  int quits = 0;
};
