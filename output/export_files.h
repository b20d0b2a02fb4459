// The save-as dialog and the file writer of exports.
#pragma once

#include <cstdint>
#include <string>

struct ExportFileKind {
  const char* extension;
  const char* kind;    // the dialog title is "ZEF Export " + kind
  const char* filter;
};

// The kind of file the flags write, by the first matching flag: EPS, BMP, GIF, JPG, EMF, WMF;
// nullptr for none of them.
const ExportFileKind* ExportFileKindFor(uint16_t flags);

// Asks for the file name (the proposal with the kind's extension, in its folder) and writes the
// file. Returns the name when the file was written completely, "" when the dialog was cancelled
// or the write failed (the failure was reported).
std::string ExportSaveAsDialog(const std::string& name, uint16_t flags);

// Writes the export held by the pictures (or the PostScript text) to the file, atomically. True
// on a complete write; otherwise the file-error box names the reason (70: the folder cannot be
// written, 61: the disk is full, 75: anything else) and an old file stays as it was. An empty
// PostScript text is never written.
bool SaveExportFile(const std::string& fileName, uint16_t flags);
