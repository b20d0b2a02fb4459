// Test helpers for reading files back with other programs: a shell command's output and a
// file's bytes.
#pragma once

#include <array>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

// Standard output and error of a shell command.
inline std::string Shell(const std::string& command) {
  std::string out;
  FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
  if (!pipe) return out;
  std::array<char, 4096> buffer;
  size_t n;
  while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) out.append(buffer.data(), n);
  ::pclose(pipe);
  return out;
}

inline std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}
