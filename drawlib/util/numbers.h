// Number helpers: reading numbers typed with a decimal comma, formats chosen by magnitude,
// clamps, minimum and maximum, and a few formulas. All locale-independent.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The first comma, if any, replaced by a point (later commas stay): "1,5,3" -> "1.5,3".
std::string CommaToPoint(std::string_view text);
// The leading number of CommaToPoint(text) (Val's reading rule); 0 when there is none. Values
// beyond the float range saturate at the largest float (never infinity).
float ValPoint(std::string_view text);
// The number (a 32-bit float) formatted by a pattern chosen from its magnitude, with a point:
// below 0.01 or above 99999.9 "0.00E+00"; up to 0.0999 "0.00000"; up to 0.999 "0.0000";
// up to 9.99 "0.000"; up to 999.99 "0.00"; up to 99999.9 "0.0".
std::string FormatByMagnitude(float value);

// Swaps low and high when low > high, then limits value to them (a NaN value gives high).
float ClampSngl(float low, float high, float value);
// Limits value to low..high (no swap).
int16_t ClampInt(int16_t low, int16_t high, int16_t value);
// The whole part (towards zero) when value minus it is below 0.0001, else the whole part + 1;
// limited to the 32-bit range, 0 for NaN.
int32_t CeilSngl(float value);

// Larger or smaller of two values; on ties the first argument.
float MaxSngl(float a, float b);
float MinSngl(float a, float b);
int16_t MaxInt(int16_t a, int16_t b);
int16_t MinInt(int16_t a, int16_t b);
int32_t MaxLong(int32_t a, int32_t b);
int32_t MinLong(int32_t a, int32_t b);
void SwapSngl(float& a, float& b);
void SwapLong(int32_t& a, int32_t& b);

// Decimal logarithm; 0 for a value that is not positive and finite (never NaN or infinity).
double Log10(float value);
// Free energy of activation in kcal/mol from temperature T (K) and rate constant k (1/s):
// T x 1.987 x (ln(T / k) + 23.76) / 1000; 0 when T or k is not positive or the result is not
// finite.
double EyringFreeEnergy(float temperatureK, float rateConstant);
