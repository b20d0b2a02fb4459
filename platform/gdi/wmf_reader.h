// Reader of Windows metafiles (the 16-bit record format) and of the placeable header that
// metafile files start with. Every size, count and offset is checked before anything is
// decoded; a bad record makes the whole metafile unreadable.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "platform/gdi/metafile_commands.h"

inline constexpr uint32_t kPlaceableKey = 0x9AC6CDD7;
inline constexpr size_t kPlaceableHeaderSize = 22;
inline constexpr size_t kMetaHeaderSize = 18;  // the standard header: 9 words

struct PlaceableHeader {
  int16_t left = 0, top = 0, right = 0, bottom = 0;
  uint16_t unitsPerInch = 0;
};

// The placeable header at the start of the bytes; nothing when the key is not there.
std::optional<PlaceableHeader> ReadPlaceableHeader(std::span<const uint8_t> bytes);

// The size field of a standard metafile header (in 16-bit words), at offset 6 of the header.
std::optional<uint32_t> MetaHeaderSizeWords(std::span<const uint8_t> header);

// A standard metafile: the 18-byte header, then records up to the header's size or the end
// record. Nothing when the header or any record is unreadable: records under 3 words, records
// past the end or past the header's size, and counts that do not fit their record.
std::optional<MetafilePicture> ReadWindowsMetafile(std::span<const uint8_t> bytes);
