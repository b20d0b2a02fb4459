// The help seam: one installed viewer shows every topic; without one, help calls do nothing.
#include "platform/help_viewer.h"

#include "platform/paths.h"

namespace {

// Stands in until a program installs its viewer (tools without windows, tests).
class QuietHelpViewer : public HelpViewer {
 public:
  void ShowTopic(const std::string&, int32_t) override {}
  void ShowPopup(const std::string&, int32_t) override {}
  void Quit() override {}
};

QuietHelpViewer gQuietViewer;
HelpViewer* gViewer = &gQuietViewer;

}  // namespace

void SetHelpViewer(HelpViewer* viewer) { gViewer = viewer ? viewer : &gQuietViewer; }

HelpViewer& Help() { return *gViewer; }

std::string HelpTopicPath(const std::string& helpFolder, int32_t contextId) {
  return PathJoin(helpFolder, std::to_string(contextId) + ".html");
}

std::string HelpTopicMissingText(int32_t contextId) {
  return "Help topic " + std::to_string(contextId) + " is not available.";
}
