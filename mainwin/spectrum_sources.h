// Where an experimental spectrum comes from besides a file: the clipboard's spectrum object and
// the drawing file kept with a simulation group.
#pragma once

#include <cstdint>
#include <string>

// A spectrum file to load: an existing path that is not a folder.
bool IsPlainFileForLoad(const std::string& path);
// True when the clipboard holds a spectrum object in the drawing library's private format.
bool ClipboardHasSpectrum();

enum class GroupPage { kRestored, kUnreadable, kMissing };
// Makes page item + 1 of the group's drawing file (the group file with the extension "zef") the
// current drawing. kMissing when there is no such file or page.
GroupPage RestoreGroupDrawingPage(const std::string& groupFile, int16_t item);
// Packs the current drawing and puts it on the clipboard in the private format.
void CopyPlotToClipboard();
