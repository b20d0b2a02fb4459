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
