// File-type detection: tells from a file's first bytes (and, for metafiles, its name) which kind
// of file it is, with a message callers show when the file is not what they need.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// FileType codes. Negative codes: the file cannot be opened or read (the negated error number).
enum FileType : int16_t {
  kFileMissing = 1,         // missing or empty
  kFileMetafilePlain = 2,   // a WMF without a drawing, or any EMF
  kFileUnknown = 3,
  kFileDataObsolete = 4,
  kFileLybrics = 5,
  kFileNuts = 6,
  kFileJcamp = 7,
  kFileDrawingText = 8,
  kFileDrawing1620 = 9,
  kFileDrawing1621 = 10,
  kFileMetafileDrawing = 11,
  kFileDrawingPenCmds = 12,
  kFileTecmag = 13,
  kFileData = 16,
};

// Error numbers of the file layer (the runtime's numbering) used for the negative codes.
inline constexpr int16_t kErrFileNotFound = 53;
inline constexpr int16_t kErrDeviceIO = 57;
inline constexpr int16_t kErrPermissionDenied = 70;
inline constexpr int16_t kErrPathFileAccess = 75;

// How many leading bytes the detection reads.
inline constexpr std::size_t kFileTypeHeadSize = 1000;

// Detects the type of the file at `path` (Windows-1252). `message` receives the decorated message
// (path + text + " Location: [" + ErrorLocation + "] ") or stays empty. The file is only read:
// never created, changed or deleted.
int16_t FileTypeDetect(const std::string& path, std::string& message);

// The tests of the detection on a file's first bytes `head` (at most 1000), in their order.
// `message` receives the undecorated text ("" for the kinds without one).
int16_t FileTypeOfBytes(std::string_view path, std::string_view head, std::string& message);
