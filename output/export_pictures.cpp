#include "output/export_pictures.h"


namespace {
ExportPictures* gPictures = nullptr;
}

void SetExportPictures(ExportPictures* pictures) { gPictures = pictures; }
ExportPictures* RegisteredExportPictures() { return gPictures; }
