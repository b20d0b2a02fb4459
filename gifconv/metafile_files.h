// Metafile files: recognising placeable and enhanced metafiles, loading them with every size
// checked against the file, and converting them at a percentage of their own size.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/gdi/metafile_commands.h"
#include "platform/gdi/wmf_reader.h"

// 22 bytes that start with the placeable key.
bool IsPlaceableMetafileFile(const char* path);
// 100 bytes that start with record type 1.
bool IsEnhMetafileFile(const char* path);

// The placeable header (units per inch 0 read as 575) and the metafile after it. Nothing when
// the file cannot be read, the header's size field is below 9 words or beyond the file, or the
// metafile is unreadable; nothing of the claimed size is allocated before it is checked.
std::optional<MetafilePicture> LoadPlaceableMetafile(const char* path, PlaceableHeader& header);

int32_t ConvertMetafileFile(const char* path, const char* gifPath, int32_t widthPercent,
                            int32_t heightPercent, uint32_t flags, uint32_t color);
int32_t ConvertEnhMetafileFile(const char* path, const char* gifPath, int32_t widthPercent,
                               int32_t heightPercent, uint32_t flags, uint32_t color);
