#include "output/output_host.h"

#include "engine/engine_globals.h"
#include "platform/runtime_text.h"

namespace {

class QuietOutputHost final : public OutputHost {
 public:
  void CreateSimPlot(int16_t) override {}
  void MainPictureRepaint() override {}
  void HelpShowTopic(int32_t) override {}
  void ControlHelpPopup(int32_t) override {}
  int16_t CurrentPage() override { return 1; }
  int16_t PageCount() override { return 1; }
  std::string TypeCaption() override {
    if (gSimType < 0 || gSimType >= int16_t(gSimTypes.size())) return "";
    return gSimTypes[gSimType].Caption;
  }
};

QuietOutputHost gQuiet;
OutputHost* gHost = nullptr;

}  // namespace

void RegisterOutputHost(OutputHost* host) { gHost = host; }
OutputHost& OutputApp() { return gHost ? *gHost : gQuiet; }
