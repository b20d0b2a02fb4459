// The three renderers: each makes the raster of the target's size, draws the picture on it,
// reads it back as a DIB, maps it onto a palette image and writes the GIF. They work on the
// process-wide encoder state; the exports open the session around them.
#pragma once

#include <cstdint>

#include "gifconv/corvid32.h"
#include "platform/gdi/metafile_commands.h"
#include "platform/gdi/packed_dib.h"

// A Windows metafile: anisotropic mapping with the viewport on the whole raster; the
// metafile's records set the window. The background covers the raster first.
int32_t RenderMetafileToGif(const MetafilePicture& picture, const char* gifPath,
                            const CorvidRect& target, uint32_t flags, uint32_t color);
// An enhanced metafile, its frame mapped onto the raster, on the background. With `bounds`
// (reference-device pixels) those bounds are mapped onto the raster instead, so the frame keeps
// its aspect and its place relative to them.
int32_t RenderEnhMetafileToGif(const MetafilePicture& picture, const char* gifPath,
                               const CorvidRect& target, uint32_t flags, uint32_t color,
                               const CorvidRect* bounds = nullptr);
// A bitmap stretched nearest-pixel from its full size onto the raster; no background fill.
int32_t RenderBitmapToGif(const PackedDib& bitmap, const char* gifPath, const CorvidRect& target,
                          uint32_t flags, uint32_t color);
