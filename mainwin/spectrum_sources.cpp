#include "mainwin/spectrum_sources.h"

#include "drawlib/util/paths.h"

bool IsPlainFileForLoad(const std::string& path) { return !path.empty() && IsPlainFile(path); }

bool ClipboardHasSpectrum() { return false; }

GroupPage RestoreGroupDrawingPage(const std::string&, int16_t) { return GroupPage::kMissing; }

void CopyPlotToClipboard() {}
