// Reader of enhanced metafiles (the 32-bit record format). The header's sizes and every
// record's size, counts and offsets are checked before anything is decoded; a bad record makes
// the whole metafile unreadable.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "platform/gdi/metafile_commands.h"

inline constexpr uint32_t kEmfHeaderRecord = 1;
inline constexpr size_t kEmfMinHeaderSize = 88;

struct EmfRect {
  int32_t left = 0, top = 0, right = 0, bottom = 0;
};

// The bounds rectangle (reference-device pixels) at offset 8 of the header record.
std::optional<EmfRect> ReadEmfBounds(std::span<const uint8_t> bytes);

// Nothing when the header is unreadable, or a record is under 8 bytes, not a multiple of 4,
// past the end or past the header's byte count, or holds counts or offsets that do not fit.
std::optional<MetafilePicture> ReadEnhancedMetafile(std::span<const uint8_t> bytes);
