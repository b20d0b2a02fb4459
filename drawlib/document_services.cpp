#include "drawlib/document_services.h"

namespace {
DocumentServices* gServices = nullptr;
}

void SetDocumentServices(DocumentServices* services) { gServices = services; }

void FileInit() {
  if (gServices) gServices->FileInit();
}

void SpecRescale(ByteArray& data, std::string& headerLabel, float newWidthMM,
                 float newHeightMM) {
  if (gServices) gServices->SpecRescale(data, headerLabel, newWidthMM, newHeightMM);
}

void SpecPrint(Device* dc, int16_t stepIndex, const std::string& text, int16_t& boxFlags,
               const StepData& data, float x, float y) {
  if (gServices) gServices->SpecPrint(dc, stepIndex, text, boxFlags, data, x, y);
}

std::string DataFileEntry(int16_t n) { return gServices ? gServices->DataFileEntry(n) : ""; }

int16_t CurrentPageNumber() { return gServices ? gServices->CurrentPageNumber() : 0; }
