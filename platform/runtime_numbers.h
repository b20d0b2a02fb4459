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

// Str: shortest text that reads back to the same value (at most 7 significant digits for a float,
// 15 for a double; a value needing more is rounded to that many); a leading blank when not
// negative; no zero before the point (" .5", "-.25"); exponent form from 10^7 (float) or 10^15
// (double) up and below 1E-04 (" 1E+07", " 1.5E-05"). NaN gives " 0", infinity the largest
// finite value.
std::string Str(float x);
std::string Str(double x);
template <typename T>
  requires std::is_integral_v<T>
std::string Str(T x) {
  if constexpr (std::is_signed_v<T>) {
    if (x < 0) return std::to_string(x);
  }
  return " " + std::to_string(x);
}

// Val: leading blanks, sign, digits, one point, optional exponent (E or D); stops at any other
// character; no number gives 0. Never returns NaN or infinity (overflow saturates to +-DBL_MAX).
double Val(std::string_view text);
// Val for a 32-bit float: saturates to +-FLT_MAX instead of becoming infinite.
float ValSng(std::string_view text);

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
// significant, "." decimal point, "," between integer placeholders groups thousands, "%"
// multiplies by 100, "E+00"/"E-00"/"E+#" exponent, other characters literal (a literal in double
// quotes or after "\" too); literals stand before or after the number. Halves round away from
// zero on the decimal value (Format(0.25, "0.0") = "0.3"): the value's shortest decimal text of
// at most 15 significant digits for a double, 7 for a float (Format(0.35f, "0.0") = "0.4").
// A value that rounds to zero shows no minus sign. An empty pattern (or "General Number") gives
// the shortest text with a zero before the point; "Fixed", "Percent" and "Scientific" stand for
// "0.00", "0.00%" and "0.00E+00". NaN shows as 0, infinity as the largest finite value.
std::string Format(double x, std::string_view pattern);
std::string Format(float x, std::string_view pattern);
template <typename T>
  requires std::is_integral_v<T>
std::string Format(T x, std::string_view pattern) {
  return Format(static_cast<double>(x), pattern);
}

// Date and time patterns: "mm-dd-yyyy", "hh:mm:ss", "dd.mm.yyyy hh:nn" and any combination of
// the tokens yyyy, yy, mmmm (month name), mmm (short month name), mm, m (month; minutes right
// after an hour token or before a seconds token), dddd, ddd (English day names), dd, d, hh, h,
// nn, n, ss, s, AM/PM and am/pm (12-hour clock); other characters, quoted texts and characters
// after "\" stand as they are. Names are English, whatever the locale.
std::string FormatDateTime(const std::tm& when, std::string_view pattern);
// The current local time as a std::tm.
std::tm NowLocal();
