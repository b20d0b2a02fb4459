// Test helpers for GIF output: reading files back, running the independent giflib tools on
// them (giftext for the structure, gif2rgb for the pixels), and small DIBs and images.
#pragma once

#include <gd.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/metafile_builder.h"

inline std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void WriteAll(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

inline std::string CommandOutput(const std::string& command) {
  std::string out;
  if (std::FILE* p = ::popen(command.c_str(), "r")) {
    char buf[4096];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) out.append(buf, n);
    ::pclose(p);
  }
  return out;
}

inline std::string GifText(const std::string& path) {
  return CommandOutput("giftext '" + path + "' 2>&1");
}

// A GIF's pixels as 0x00BBGGRR colours, decoded by gif2rgb; empty when it cannot decode.
struct DecodedGif {
  int width = 0, height = 0;
  std::vector<uint32_t> pixels;
  uint32_t At(int x, int y) const { return pixels[size_t(y) * size_t(width) + size_t(x)]; }
};

inline DecodedGif DecodeGif(const std::string& path) {
  DecodedGif gif;
  const std::string bytes = ReadAll(path);
  if (bytes.size() < 10) return gif;
  const std::string rgb = CommandOutput("gif2rgb -1 '" + path + "' 2>/dev/null");
  const int w = uint8_t(bytes[6]) | uint8_t(bytes[7]) << 8;
  const int h = uint8_t(bytes[8]) | uint8_t(bytes[9]) << 8;
  if (rgb.size() != size_t(w) * size_t(h) * 3) return gif;
  gif.width = w;
  gif.height = h;
  for (size_t i = 0; i + 2 < rgb.size(); i += 3)
    gif.pixels.push_back(uint32_t(uint8_t(rgb[i])) | uint32_t(uint8_t(rgb[i + 1])) << 8 |
                         uint32_t(uint8_t(rgb[i + 2])) << 16);
  return gif;
}

// A packed DIB with a 40-byte header, the colour table (blue, green, red, 0 entries) and the
// rows as given (bottom row first for a positive height).
inline std::string MakeDib(int32_t width, int32_t height, uint16_t bits,
                           const std::vector<uint32_t>& table, const std::string& rows,
                           uint32_t compression = 0) {
  Bytes b;
  b.U32(40).U32(uint32_t(width)).U32(uint32_t(height)).U16(1).U16(bits).U32(compression);
  b.U32(0).U32(0).U32(0).U32(uint32_t(table.size())).U32(0);
  for (uint32_t c : table) b.U8(uint8_t(c >> 16)).U8(uint8_t(c >> 8)).U8(uint8_t(c)).U8(0);
  return b.str() + rows;
}
