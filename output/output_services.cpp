#include "output/output_services.h"

namespace {

class NoOutput final : public OutputServices {
 public:
  void ExportBySpec(const std::string&) override {}
  void RenderOutput(const OutputRegion&, int16_t, int16_t, int16_t, int16_t) override {}
  void PrintWithPreview() override {}
  std::string ExportDialog(const std::string&) override { return ""; }
};

NoOutput gNoOutput;
OutputServices* gOutput = nullptr;

}  // namespace

void RegisterOutputServices(OutputServices* services) { gOutput = services; }

OutputServices& Output() { return gOutput ? *gOutput : gNoOutput; }
