// Rasters that other programs wrote (ghostscript, netpbm), read for tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct Raster {
  int width = 0, height = 0;
  std::vector<uint8_t> rgb;
  bool Ink(int x, int y) const;  // a dark or coloured pixel (not the white paper)
};
// A binary PPM (P6, maxval 255); an empty raster when the file is not one.
Raster LoadPpm(const std::string& path);
