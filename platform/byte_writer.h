// Little-endian appends and patches on a byte string, for the binary formats the programs write.
#pragma once

#include <cstdint>
#include <string>

inline void PutU8(std::string& out, uint8_t v) { out.push_back(char(v)); }
inline void PutU16(std::string& out, uint16_t v) {
  out.push_back(char(v & 0xFF));
  out.push_back(char(v >> 8));
}
inline void PutU32(std::string& out, uint32_t v) {
  PutU16(out, uint16_t(v & 0xFFFF));
  PutU16(out, uint16_t(v >> 16));
}
inline void PutI16(std::string& out, int16_t v) { PutU16(out, uint16_t(v)); }
inline void PutI32(std::string& out, int32_t v) { PutU32(out, uint32_t(v)); }

// Overwrites bytes already appended; the caller keeps `at` inside the string.
inline void PatchU16(std::string& out, size_t at, uint16_t v) {
  out[at] = char(v & 0xFF);
  out[at + 1] = char(v >> 8);
}
inline void PatchU32(std::string& out, size_t at, uint32_t v) {
  PatchU16(out, at, uint16_t(v & 0xFFFF));
  PatchU16(out, at + 2, uint16_t(v >> 16));
}
inline uint16_t GetU16(const std::string& in, size_t at) {
  return uint16_t(uint8_t(in[at]) | (uint8_t(in[at + 1]) << 8));
}
