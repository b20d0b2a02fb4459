// The GUI runtime's text functions on Windows-1252 byte strings (one character per byte).
// Positions are 1-based as in the runtime; out-of-range positions and lengths are clipped.
#pragma once

#include <string>
#include <string_view>

std::string Trim(std::string_view s);   // removes leading and trailing blanks (spaces only)
std::string LTrim(std::string_view s);
std::string RTrim(std::string_view s);
std::string UCase(std::string_view s);  // Windows-1252 letters, accented ones included
std::string LCase(std::string_view s);
std::string Left(std::string_view s, long n);
std::string Right(std::string_view s, long n);
std::string Mid(std::string_view s, long start);          // from start (1-based) to the end
std::string Mid(std::string_view s, long start, long n);  // n characters from start
// InStr: 1-based position of `what` in `s` at or after `start`, 0 when absent.
// An empty `what` gives `start` when start <= Len(s)+1, else 0.
long InStr(long start, std::string_view s, std::string_view what);
inline long InStr(std::string_view s, std::string_view what) { return InStr(1, s, what); }
std::string Space(long n);
std::string Chr(int code);  // one byte, code 0..255
int Asc(std::string_view s);  // code of the first byte, 0 for an empty text
