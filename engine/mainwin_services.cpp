#include "engine/mainwin_services.h"

#include "engine/engine_globals.h"

namespace {

// Answers while no main window is registered: nothing is shown, a draw request is honoured.
class QuietMainWindow final : public MainWindowServices {
 public:
  void MessageDisplay(const std::string&, int16_t, const std::string&) override {}
  void DrawSpectra(int16_t&, std::array<uint32_t, 4>&, int16_t&) override { gRedrawFlags = 0; }
  int16_t FrameFromPar(int16_t k) override { return (k >= 0 && k < kSimParCount) ? k : -1; }
  int16_t ParScrnMax() override { return 13; }
  bool AutoredrawChecked() override { return true; }
  void SetParValText(int16_t, const std::string&) override {}
  double HzToPpmDisplay(double value, int32_t) override { return value; }
  void SetPointDisplay(int16_t& value) override { gPointStep = value; }
  void SetMousePointer(int16_t) override {}
};

QuietMainWindow gQuietMainWindow;
MainWindowServices* gRegisteredMainWindow = nullptr;

}  // namespace

void RegisterMainWindowServices(MainWindowServices* services) {
  gRegisteredMainWindow = services;
}

MainWindowServices& MainWindow() {
  return gRegisteredMainWindow != nullptr ? *gRegisteredMainWindow : gQuietMainWindow;
}
