// The flag word of an export: which target the renderer draws on and how, built from the
// export text ("WMF-S Disk Page" ...).
#pragma once

#include <cstdint>
#include <string>

inline constexpr uint16_t kExportMetafile = 0x0002;
inline constexpr uint16_t kExportPrinter = 0x0004;
inline constexpr uint16_t kExportGif = 0x0008;
inline constexpr uint16_t kExportBitmap = 0x0010;
inline constexpr uint16_t kExportDisk = 0x0020;
inline constexpr uint16_t kExportGdi = 0x0040;
inline constexpr uint16_t kExportEps = 0x0100;
inline constexpr uint16_t kExportScreenRef = 0x0200;
inline constexpr uint16_t kExportEnhanced = 0x0400;
inline constexpr uint16_t kExportOpaque = 0x0800;
inline constexpr uint16_t kExportInclZef = 0x1000;
inline constexpr uint16_t kExportSmooth = 0x2000;
inline constexpr uint16_t kExportJpg = 0x4000;

// The flags of an export text: its format word in the first three characters ("WMF", "EMF",
// "BMP", "EPS", "GIF", "JPG", "PRN", case-sensitive), then the option words anywhere in it;
// 0 for any other format.
uint16_t ExportFlagsFromSpec(const std::string& spec);

// Bitmap targets: BMP, GIF and JPG files are drawn on the bitmap.
inline bool IsBitmapExport(uint16_t flags) {
  return (flags & (kExportGif | kExportBitmap | kExportJpg)) != 0;
}
