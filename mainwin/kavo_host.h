// What the main window's logic needs of the window system around it: the screen, the window
// frame, popup menus, the clipboard, the clock and the mouse pointer. The Qt window implements
// it; tests use a fake.
#pragma once

#include <cstdint>
#include <string>

#include "mainwin/form_controls.h"
#include "output/output_services.h"

class OutputObject;

class KavoHost {
 public:
  virtual ~KavoHost() = default;
  // The screen's size in twips and its twips per pixel.
  virtual float ScreenWidthTwips() = 0;
  virtual float ScreenHeightTwips() = 0;
  virtual float TwipsPerPixelX() = 0;
  virtual float TwipsPerPixelY() = 0;
  // The window frame in twips, and its inner (client) size.
  virtual void MoveForm(float left, float top, float width, float height) = 0;
  virtual float ScaleWidth() = 0;
  virtual float ScaleHeight() = 0;
  virtual bool Minimized() = 0;
  virtual void ShowForm() = 0;
  virtual void SetFormCaption(const std::string& caption) = 0;
  // The window's own text layer under the picture: cleared, then texts at twips positions.
  virtual void FormCls() = 0;
  virtual void FormPrint(float x, float y, uint32_t color, const std::string& text) = 0;
  // The width in twips of a text written on that layer.
  virtual float FormTextWidth(const std::string& text) = 0;
  // Opens a menu as a popup at the mouse; the chosen command runs before this returns.
  virtual void PopupMenu(Ctl menu) = 0;
  // Closes the main window through its closing road (query-unload, unload).
  virtual void CloseForm() = 0;
  // Closes every window of the program and ends it.
  virtual void UnloadAll() = 0;
  // Replaces the clipboard's contents by the text (line ends CR LF).
  virtual void SetClipboardText(const std::string& text) = 0;
  virtual void SetTimerInterval(int32_t milliseconds) = 0;
  // The current date, two blanks and the current time, in the system's short formats.
  virtual std::string DateTimeText() = 0;
  // Seconds from a monotonic clock.
  virtual double MonotonicSeconds() = 0;
  // The mouse position in the window's client area, twips.
  virtual void CursorPosTwips(float& x, float& y) = 0;
  // Mouse pointers (runtime codes: 0 default, 7 north-south, 9 west-east, 11 hourglass).
  virtual void SetScreenPointer(int16_t code) = 0;
  virtual void SetPicturePointer(int16_t code) = 0;
  // The clipboard's plain text, line ends CR LF ("" when it holds none).
  virtual std::string ClipboardText() { return ""; }
  // The parameter dialog, shown modally; its tag comes back ("Cancel" when cancelled).
  virtual std::string ShowParameterDialog() { return "Cancel"; }
  // The export dialog with the export settings text; its tag comes back ("" when cancelled).
  virtual std::string ShowExportDialog(const std::string& settings) {
    return Output().ExportDialog(settings);
  }
  // The spectrum picture as the drawing library's screen target.
  virtual OutputObject* PictureOutput() = 0;
};
