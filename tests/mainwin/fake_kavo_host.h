// A window system for the main window's logic without a screen: a fixed screen of 1280 x 960
// pixels at 15 twips per pixel, an inner window size derived from the frame the form asks for,
// and a record of everything the form asks of its host. Shared by the tests and the fuzz target.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "mainwin/kavo_host.h"

class FakeKavoHost : public KavoHost {
 public:
  struct Rect {
    float left = 0, top = 0, width = 0, height = 0;
  };
  struct FormText {
    float x, y;
    uint32_t color;
    std::string text;
  };
  // Frame and menu bar around the inner area.
  static constexpr float kBorderWidth = 120;
  static constexpr float kBorderHeight = 690;

  float screenWidth = 19200, screenHeight = 14400;
  float twipsPerPixel = 15;
  bool minimized = false;
  double clock = 0;          // seconds; each reading advances it by clockStep
  double clockStep = 0.01;
  float cursorX = 0, cursorY = 0;
  std::string dateTime = "12/10/2024  10:15";

  Rect form;
  std::vector<Rect> moves;
  std::string caption;
  std::vector<Ctl> popups;
  std::function<void(Ctl)> onPopup;  // the user's choice while a popup menu is open
  // What the user does in the parameter dialog; its tag comes back ("Cancel" without one).
  std::function<std::string()> parameterDialog;
  std::vector<std::string> clipboard;
  std::vector<int32_t> timerIntervals;
  std::vector<FormText> formTexts;  // since the last FormCls
  float formCharWidth = 0;           // twips per character of the form's texts
  std::vector<int16_t> screenPointers, picturePointers;
  int shown = 0, closed = 0, unloadedAll = 0;

  float ScreenWidthTwips() override { return screenWidth; }
  float ScreenHeightTwips() override { return screenHeight; }
  float TwipsPerPixelX() override { return twipsPerPixel; }
  float TwipsPerPixelY() override { return twipsPerPixel; }
  void MoveForm(float left, float top, float width, float height) override {
    form = {left, top, width, height};
    moves.push_back(form);
  }
  float ScaleWidth() override { return form.width - kBorderWidth; }
  float ScaleHeight() override { return form.height - kBorderHeight; }
  bool Minimized() override { return minimized; }
  void ShowForm() override { ++shown; }
  void SetFormCaption(const std::string& text) override { caption = text; }
  void FormCls() override { formTexts.clear(); }
  void FormPrint(float x, float y, uint32_t color, const std::string& text) override {
    formTexts.push_back({x, y, color, text});
  }
  float FormTextWidth(const std::string& text) override {
    return formCharWidth * static_cast<float>(text.size());
  }
  void PopupMenu(Ctl menu) override {
    popups.push_back(menu);
    if (onPopup) onPopup(menu);
  }
  void CloseForm() override { ++closed; }
  void UnloadAll() override { ++unloadedAll; }
  void SetClipboardText(const std::string& text) override { clipboard.push_back(text); }
  void SetTimerInterval(int32_t ms) override { timerIntervals.push_back(ms); }
  std::string DateTimeText() override { return dateTime; }
  double MonotonicSeconds() override { return clock += clockStep; }
  void CursorPosTwips(float& x, float& y) override {
    x = cursorX;
    y = cursorY;
  }
  void SetScreenPointer(int16_t code) override { screenPointers.push_back(code); }
  void SetPicturePointer(int16_t code) override { picturePointers.push_back(code); }
  std::string ShowParameterDialog() override {
    return parameterDialog ? parameterDialog() : "Cancel";
  }
  OutputObject* PictureOutput() override { return nullptr; }
};
