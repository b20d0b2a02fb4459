#include "tests/support/shell_output.h"

#include <array>
#include <cstdio>

std::string ShellOutput(const std::string& command) {
  std::string out;
  FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
  if (!pipe) return out;
  std::array<char, 4096> buffer;
  size_t n;
  while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0) out.append(buffer.data(), n);
  ::pclose(pipe);
  return out;
}
