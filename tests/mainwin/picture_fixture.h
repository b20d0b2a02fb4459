// The main window after start-up (type 2, AB) with a picture of 9000 x 6000 twips: 600 points
// of 15 twips and, over the 300 Hz window at offset 0, 30 twips per Hz, so that positions and
// frequencies are exact. Marker 1 (Va, 142.5 Hz) sits at x 4725, marker 2 (Vb, 157.5 Hz) at 4275.
#pragma once

#include <string>
#include <vector>

#include "engine/calc_spectrum.h"
#include "tests/mainwin/mainwin_fixture.h"

class PictureFixture : public MainWinTest {
 protected:
  static constexpr float kWidth = 9000, kHeight = 6000;
  static constexpr int16_t kBase = 5000;  // baseline of the calculated trace

  void SetUp() override {
    MainWinTest::SetUp();
    Load();
    const Control& pic = Ctrl(Ctl::picKavo);
    form.Controls().SetGeometry(Ctl::picKavo, 0, pic.Left, pic.Top, kWidth, kHeight);
    form.PicCalcScaling();
    gBaseLnTwips = kBase;
    CalcSpectrum(-1);
    picture.ops.clear();
    spectra.calls.clear();
  }

  // Picture position of a frequency.
  static float XOf(float hz) { return (gSpectHz - hz + gHorOffHz) * gTwipsPerHz; }

  // A gesture on the picture with one button: the press point, the moves, the release.
  void Drag(int16_t button, float x1, float y1, float x2, float y2, int16_t shift = 0) {
    form.picKavo_MouseMove(button, shift, x1, y1);
    form.picKavo_MouseMove(button, shift, x2, y2);
    form.picKavo_MouseUp(button, shift, x2, y2);
  }
  // A rubber-band box drawn with the right button, starting away from every marker.
  void RightBox(float x1, float y1, float x2, float y2) {
    form.picKavo_MouseMove(0, 0, x1, 100);
    Drag(2, x1, y1, x2, y2);
  }

  // Every drawing of the spectra starts by clearing the picture.
  int Drawings() const {
    return static_cast<int>(picture.OpsOf(RecordingPictureBox::Kind::Cls).size());
  }
  std::vector<std::string> Printed() const {
    std::vector<std::string> texts;
    for (const auto& op : picture.OpsOf(RecordingPictureBox::Kind::Print)) texts.push_back(op.text);
    return texts;
  }
  bool PrintedText(const std::string& text) const {
    for (const std::string& t : Printed())
      if (t == text) return true;
    return false;
  }
  bool NoOverlays() const { return !picture.overlays[0] && !picture.overlays[1]; }
  const std::string& Caption(Ctl id, int index = 0) { return Ctrl(id, index).Caption; }
};
