// What the print preview and the option dialogs need of the application around them: the plot
// document of the current simulation, the main window's repaint, help, and the drawing's page
// numbers. The application registers its implementation at start-up; until then the plot is
// left as it is, nothing is repainted or shown, and the drawing has one page.
#pragma once

#include <cstdint>
#include <string>

class OutputHost {
 public:
  virtual ~OutputHost() = default;
  // Builds the plot document of the current simulation into the current drawing.
  virtual void CreateSimPlot(int16_t mode) = 0;
  // Lets the main window repaint its spectrum (after a layout command).
  virtual void MainPictureRepaint() = 0;
  virtual void HelpShowTopic(int32_t contextId) = 0;
  virtual void ControlHelpPopup(int32_t contextId) = 0;
  // The current page and the page count of the drawing (page record 1).
  virtual int16_t CurrentPage() = 0;
  virtual int16_t PageCount() = 0;
  // The current simulation type's caption.
  virtual std::string TypeCaption() = 0;
};

// Registers the host (not owned); nullptr restores the quiet stand-in.
void RegisterOutputHost(OutputHost* host);
OutputHost& OutputApp();
