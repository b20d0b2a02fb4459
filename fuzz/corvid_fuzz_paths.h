// Paths for the converter's fuzz targets: the input file and a GIF path in a folder that does
// not exist, so every picture is rendered and encoded but no file is left behind.
#pragma once

#include <unistd.h>

#include <string>

#include "platform/paths.h"

inline const std::string& FuzzGifPath() {
  static const std::string path =
      PathJoin(TempFolder(), "corvid-fuzz-none-" + std::to_string(::getpid()) + "/out.gif");
  return path;
}

inline const std::string& FuzzInputPath(const char* name) {
  static const std::string path =
      PathJoin(TempFolder(), std::string(name) + "-" + std::to_string(::getpid()));
  return path;
}
