// Writes a gd palette image as a GIF file: encoded in memory by gd, then written safely
// (a temporary file renamed over the target), so a failed write leaves an old file as it was.
#pragma once

#include <gd.h>

#include <cstdint>

// 1 when written; 0 when the path is missing, names a directory or a read-only file, or the
// file cannot be written completely. The path is the file system's bytes.
int32_t WriteGifFile(gdImagePtr image, const char* path);
