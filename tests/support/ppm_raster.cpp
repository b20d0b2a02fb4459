#include "tests/support/ppm_raster.h"

#include <cstdlib>
#include <fstream>

bool Raster::Ink(int x, int y) const {
  if (x < 0 || y < 0 || x >= width || y >= height) return false;
  const std::size_t at = 3 * (static_cast<std::size_t>(y) * width + x);
  return rgb[at] + rgb[at + 1] + rgb[at + 2] < 700;
}

Raster LoadPpm(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  // Header words, with "#" comments between them.
  auto word = [&in] {
    std::string w;
    while (in && w.empty()) {
      in >> std::ws;
      if (in.peek() == '#') {
        std::string comment;
        std::getline(in, comment);
      } else {
        in >> w;
      }
    }
    return w;
  };
  const std::string magic = word();
  const int w = std::atoi(word().c_str()), h = std::atoi(word().c_str());
  const int maxval = std::atoi(word().c_str());
  in.get();
  Raster r;
  if (magic != "P6" || maxval != 255 || w <= 0 || h <= 0) return r;
  r.rgb.resize(3 * static_cast<std::size_t>(w) * h);
  in.read(reinterpret_cast<char*>(r.rgb.data()), static_cast<std::streamsize>(r.rgb.size()));
  if (!in) return Raster{};
  r.width = w;
  r.height = h;
  return r;
}
