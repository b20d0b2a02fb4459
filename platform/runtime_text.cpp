// The runtime's text functions on Windows-1252 byte strings.
#include "platform/runtime_text.h"

#include <algorithm>

namespace {

// Upper-case partner of a Windows-1252 lower-case letter, or the byte itself.
unsigned char UpperOf(unsigned char c) {
  if (c >= 'a' && c <= 'z') return c - 32;
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 32;
  switch (c) {
    case 0x9A: return 0x8A;  // s caron
    case 0x9C: return 0x8C;  // oe
    case 0x9E: return 0x8E;  // z caron
    case 0xFF: return 0x9F;  // y diaeresis
    default: return c;
  }
}

unsigned char LowerOf(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return c + 32;
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 32;
  switch (c) {
    case 0x8A: return 0x9A;
    case 0x8C: return 0x9C;
    case 0x8E: return 0x9E;
    case 0x9F: return 0xFF;
    default: return c;
  }
}

long Len(std::string_view s) { return static_cast<long>(s.size()); }

}  // namespace

std::string LTrim(std::string_view s) {
  std::size_t b = s.find_first_not_of(' ');
  return b == std::string_view::npos ? std::string() : std::string(s.substr(b));
}

std::string RTrim(std::string_view s) {
  std::size_t e = s.find_last_not_of(' ');
  return e == std::string_view::npos ? std::string() : std::string(s.substr(0, e + 1));
}

std::string Trim(std::string_view s) {
  std::size_t b = s.find_first_not_of(' ');
  if (b == std::string_view::npos) return std::string();
  std::size_t e = s.find_last_not_of(' ');
  return std::string(s.substr(b, e - b + 1));
}

std::string UCase(std::string_view s) {
  std::string r(s);
  for (char& c : r) c = static_cast<char>(UpperOf(static_cast<unsigned char>(c)));
  return r;
}

std::string LCase(std::string_view s) {
  std::string r(s);
  for (char& c : r) c = static_cast<char>(LowerOf(static_cast<unsigned char>(c)));
  return r;
}

std::string Left(std::string_view s, long n) {
  return std::string(s.substr(0, static_cast<std::size_t>(std::clamp(n, 0L, Len(s)))));
}

std::string Right(std::string_view s, long n) {
  long k = std::clamp(n, 0L, Len(s));
  return std::string(s.substr(static_cast<std::size_t>(Len(s) - k)));
}

std::string Mid(std::string_view s, long start) {
  return Mid(s, start, Len(s));
}

std::string Mid(std::string_view s, long start, long n) {
  if (start < 1) start = 1;
  if (start > Len(s) || n <= 0) return std::string();
  long k = std::min(n, Len(s) - start + 1);
  return std::string(s.substr(static_cast<std::size_t>(start - 1), static_cast<std::size_t>(k)));
}

long InStr(long start, std::string_view s, std::string_view what) {
  if (start < 1) start = 1;
  if (start > Len(s) + 1) return 0;
  if (what.empty()) return start;
  std::size_t p = s.find(what, static_cast<std::size_t>(start - 1));
  return p == std::string_view::npos ? 0 : static_cast<long>(p) + 1;
}

std::string Space(long n) { return std::string(static_cast<std::size_t>(std::max(n, 0L)), ' '); }

std::string Chr(int code) { return std::string(1, static_cast<char>(code & 0xFF)); }

int Asc(std::string_view s) { return s.empty() ? 0 : static_cast<unsigned char>(s[0]); }
