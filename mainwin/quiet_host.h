// A window system that shows nothing: a fixed 1920 x 1080 pixel screen at 15 twips per pixel,
// the window as large as asked, no menus, clipboard or clock. For benchmarks and fuzz targets
// that drive the main window's logic without a window.
#pragma once

#include <string>

#include "mainwin/kavo_host.h"

class QuietHost : public KavoHost {
 public:
  float ScreenWidthTwips() override { return 1920 * 15.0f; }
  float ScreenHeightTwips() override { return 1080 * 15.0f; }
  float TwipsPerPixelX() override { return 15; }
  float TwipsPerPixelY() override { return 15; }
  void MoveForm(float, float, float width, float height) override {
    scaleWidth = width;
    scaleHeight = height;
  }
  float ScaleWidth() override { return scaleWidth; }
  float ScaleHeight() override { return scaleHeight; }
  bool Minimized() override { return false; }
  void ShowForm() override {}
  void SetFormCaption(const std::string&) override {}
  void FormCls() override {}
  void FormPrint(float, float, uint32_t, const std::string&) override {}
  float FormTextWidth(const std::string&) override { return 0; }
  void PopupMenu(Ctl) override {}
  void CloseForm() override {}
  void UnloadAll() override {}
  void SetClipboardText(const std::string&) override {}
  void SetTimerInterval(int32_t) override {}
  std::string DateTimeText() override { return ""; }
  double MonotonicSeconds() override { return 0; }
  void CursorPosTwips(float& x, float& y) override { x = y = 0; }
  void SetScreenPointer(int16_t) override {}
  void SetPicturePointer(int16_t) override {}
  OutputObject* PictureOutput() override { return nullptr; }

  float scaleWidth = 25800;
  float scaleHeight = 14000;
};
