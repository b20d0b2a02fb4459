// The GUI runtime's number rules, locale-independent.
//
// Str, Val, CInt, CLng, Fix, Int and Format behave as the Basic-style runtime the program was
// designed against: texts are Windows-1252 bytes, the decimal point is always ".", whatever the
// process locale says.
#pragma once

#include <cstdint>
#include <ctime>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>

// Thrown where the runtime raised an overflow error (CInt/CLng out of range, NaN).
struct RuntimeOverflow : std::range_error {
  using std::range_error::range_error;
};

// Str: shortest text that reads back to the same value (7 significant digits for a float, 15 for
// a double); a leading blank when not negative; no zero before the point (" .5", "-.25");
// exponent form beyond the precision (" 1E+07", " 1.5E-05").
std::string Str(float x);
std::string Str(double x);
template <typename T>
  requires std::is_integral_v<T>
std::string Str(T x) {
  return x < 0 ? std::to_string(x) : " " + std::to_string(x);
}

// Val: leading blanks, sign, digits, one point, optional exponent (E or D); stops at any other
// character; no number gives 0. Never returns NaN or infinity (overflow saturates to +-DBL_MAX).
double Val(std::string_view text);

// CInt / CLng: nearest integer, halves to even. Out of range or NaN throws RuntimeOverflow.
int16_t CInt(double x);
int32_t CLng(double x);
// The same rounding without the throw: false when out of range.
bool TryCInt(double x, int16_t& out);
bool TryCLng(double x, int32_t& out);
// Halves-to-even rounding of a double to the nearest integral double (no range check).
double RoundHalfEven(double x);

// Fix truncates toward zero, Int floors.
double Fix(double x);
double Int(double x);

// Format(x, pattern): numeric display patterns: "0" digit always shown, "#" digit shown when
// significant, "." decimal point, "E+00"/"E-00"/"E+#" exponent, other characters literal
// (a literal in double quotes or after "\" too). Halves round away from zero on the decimal value
// (Format(0.25, "0.0") = "0.3"). An empty pattern gives Str without the leading blank.
std::string Format(double x, std::string_view pattern);

// Date and time patterns the program uses: "mm-dd-yyyy", "hh:mm:ss", "hh:mm", "dd-mm-yyyy",
// "yyyy-mm-dd" and combinations of the tokens yyyy, yy, mm (month; minutes after "hh:"), dd,
// hh, nn, ss and literals.
std::string FormatDateTime(const std::tm& when, std::string_view pattern);
// The current local time as a std::tm.
std::tm NowLocal();
