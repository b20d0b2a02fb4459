// The help viewer: topics by context number, shown in a viewer window (topic), as a short text
// at the mouse (popup), and closed (quit). Topics are the files <context number>.html of a help
// folder. A program installs its viewer at start-up; without one the calls do nothing.
#pragma once

#include <cstdint>
#include <string>

class HelpViewer {
 public:
  virtual ~HelpViewer() = default;
  // Opens (or brings up) the viewer window at the topic.
  virtual void ShowTopic(const std::string& helpFolder, int32_t contextId) = 0;
  // Shows the topic's text as a popup at the mouse.
  virtual void ShowPopup(const std::string& helpFolder, int32_t contextId) = 0;
  // Closes the viewer window and any popup.
  virtual void Quit() = 0;
};

// Installs the viewer (not owned); nullptr restores the quiet stand-in.
void SetHelpViewer(HelpViewer* viewer);
HelpViewer& Help();

// The file of a topic: helpFolder + "/" + the number + ".html".
std::string HelpTopicPath(const std::string& helpFolder, int32_t contextId);
// What a viewer shows for a topic without a file: "Help topic N is not available.".
std::string HelpTopicMissingText(int32_t contextId);
