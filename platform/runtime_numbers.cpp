// The runtime's number rules, written with std::to_chars/std::from_chars and our own digit code
// so that no text depends on the process locale.
#include "platform/runtime_numbers.h"

#include <algorithm>
#include <charconv>
#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>
#include <system_error>

namespace {

// A finite decimal number: value = sign * d1.d2d3... * 10^exp. `digits` holds the significant
// digits without leading or trailing zeros; it is empty for zero.
struct Decimal {
  bool negative = false;
  std::string digits;
  int exp = 0;
};

// NaN becomes 0, infinities the largest finite value: no text ever shows NaN or infinity.
template <typename T>
T Sanitize(T x) {
  if (std::isnan(x)) return T(0);
  if (std::isinf(x)) return x > 0 ? std::numeric_limits<T>::max() : -std::numeric_limits<T>::max();
  return x;
}

// Reads "d.ddde+XX" as written by std::to_chars in scientific form.
Decimal ParseScientific(const char* first, const char* last, bool negative) {
  Decimal d;
  d.negative = negative;
  const char* e = std::find(first, last, 'e');
  for (const char* p = first; p != e; ++p)
    if (*p >= '0' && *p <= '9') d.digits.push_back(*p);
  int exp = 0;
  if (e != last) {
    const char* p = e + 1;
    if (p != last && *p == '+') ++p;
    std::from_chars(p, last, exp);
  }
  d.exp = exp;
  while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
  std::size_t lead = 0;
  while (lead < d.digits.size() && d.digits[lead] == '0') ++lead;
  if (lead == d.digits.size()) {
    d.digits.clear();
    d.exp = 0;
  } else if (lead > 0) {
    d.digits.erase(0, lead);
    d.exp -= static_cast<int>(lead);
  }
  return d;
}

// The decimal value of x: the shortest digits that read back to x when there are at most
// `maxDigits` of them, else x rounded to `maxDigits` significant digits.
template <typename T>
Decimal ToDecimal(T x, int maxDigits) {
  x = Sanitize(x);
  bool negative = std::signbit(x) && x != T(0);
  T a = std::fabs(x);
  char buf[64];
  auto r = std::to_chars(buf, buf + sizeof buf, a, std::chars_format::scientific);
  Decimal d = ParseScientific(buf, r.ptr, negative);
  if (static_cast<int>(d.digits.size()) > maxDigits) {
    r = std::to_chars(buf, buf + sizeof buf, a, std::chars_format::scientific, maxDigits - 1);
    d = ParseScientific(buf, r.ptr, negative);
  }
  return d;
}

// Adds one unit in the last place of a digit string; returns true when it grew ("99" -> "100").
bool IncrementDigits(std::string& s) {
  for (std::size_t i = s.size(); i-- > 0;) {
    if (s[i] != '9') {
      ++s[i];
      return false;
    }
    s[i] = '0';
  }
  s.insert(s.begin(), '1');
  return true;
}

void StripTrailingZeros(Decimal& d) {
  while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
  if (d.digits.empty()) d.exp = 0;
}

// Keeps the first `keep` significant digits, rounding half away from zero.
void RoundToDigits(Decimal& d, int keep) {
  if (keep >= static_cast<int>(d.digits.size())) return;
  bool up = keep >= 0 && d.digits[keep] >= '5';
  d.digits.resize(std::max(keep, 0));
  if (up) {
    if (d.digits.empty()) {
      d.digits = "1";
      d.exp += 1;
    } else if (IncrementDigits(d.digits)) {
      d.exp += 1;
    }
  }
  StripTrailingZeros(d);
}

// The digit of the 10^k place.
char DigitAt(const Decimal& d, int k) {
  int i = d.exp - k;
  return i >= 0 && i < static_cast<int>(d.digits.size()) ? d.digits[i] : '0';
}

std::string ExponentText(int e, int minDigits) {
  std::string s = std::to_string(e < 0 ? -e : e);
  if (static_cast<int>(s.size()) < minDigits) s.insert(0, minDigits - s.size(), '0');
  return s;
}

// Str layout: fixed notation without a zero before the point, exponent form outside
// 1E-4 <= |x| < 10^precision.
std::string StrLayout(const Decimal& d, int precision) {
  std::string out = d.negative ? "-" : " ";
  if (d.digits.empty()) return out + "0";
  int n = static_cast<int>(d.digits.size());
  if (d.exp >= precision || d.exp < -4) {
    out += d.digits[0];
    if (n > 1) out += "." + d.digits.substr(1);
    out += d.exp < 0 ? "E-" : "E+";
    out += ExponentText(d.exp, 2);
    return out;
  }
  if (d.exp >= 0) {
    for (int k = d.exp; k >= 0; --k) out += DigitAt(d, k);
    if (n > d.exp + 1) out += "." + d.digits.substr(d.exp + 1);
  } else {
    out += ".";
    out.append(-d.exp - 1, '0');
    out += d.digits;
  }
  return out;
}

// ---- Format ----

struct NumberPattern {
  std::string prefix, middle, suffix;  // literals before, between mantissa and exponent, after
  int intZeros = 0, intHashes = 0;     // integer placeholders
  std::string frac;                    // fraction placeholders, in order ("0", "#")
  bool point = false;
  bool grouping = false;
  bool percent = false;
  bool scientific = false;
  bool expPlusSign = false;            // "E+" shows "+", "E-" shows only "-"
  char expLetter = 'E';
  int expZeros = 0;                    // minimum exponent digits
  bool placeholders = false;           // any digit placeholder at all
};

NumberPattern ParsePattern(std::string_view p) {
  NumberPattern np;
  std::string pending;  // literals met inside the mantissa
  auto literal = [&](std::string_view text) {
    if (np.scientific) np.suffix += text;
    else if (!np.placeholders) np.prefix += text;
    else pending += text;
  };
  auto isPlaceholder = [](char c) { return c == '0' || c == '#'; };
  for (std::size_t i = 0; i < p.size(); ++i) {
    char c = p[i];
    if (c == '"') {
      std::size_t end = p.find('"', i + 1);
      if (end == std::string_view::npos) end = p.size();
      literal(p.substr(i + 1, end - i - 1));
      i = end;
    } else if (c == '\\') {
      if (i + 1 < p.size()) literal(p.substr(++i, 1));
    } else if (isPlaceholder(c)) {
      if (np.scientific) {
        if (c == '0') ++np.expZeros;
      } else {
        if (!pending.empty()) {
          // A literal between placeholders stands before the number (integer part) or after it.
          if (np.point) np.suffix += pending;
          else np.prefix += pending;
          pending.clear();
        }
        np.placeholders = true;
        if (np.point) np.frac += c;
        else if (c == '0') ++np.intZeros;
        else ++np.intHashes;
      }
    } else if (c == '.' && !np.point && !np.scientific) {
      np.point = true;
      if (!np.placeholders) np.placeholders = true;
    } else if (c == ',' && !np.point && !np.scientific && np.placeholders && i + 1 < p.size() &&
               isPlaceholder(p[i + 1])) {
      np.grouping = true;
    } else if ((c == 'E' || c == 'e') && !np.scientific && np.placeholders && i + 2 < p.size() &&
               (p[i + 1] == '+' || p[i + 1] == '-') && isPlaceholder(p[i + 2])) {
      np.scientific = true;
      np.expLetter = c;
      np.expPlusSign = p[i + 1] == '+';
      np.middle = pending;
      pending.clear();
      ++i;
    } else {
      if (c == '%') np.percent = true;
      literal(p.substr(i, 1));
    }
  }
  np.suffix = pending + np.suffix;
  return np;
}

// Drops trailing zeros of optional ("#") fraction places.
void TrimOptionalFraction(std::string& frac, const std::string& placeholders) {
  std::size_t mandatory = placeholders.rfind('0');
  mandatory = mandatory == std::string::npos ? 0 : mandatory + 1;
  while (frac.size() > mandatory && frac.back() == '0') frac.pop_back();
}

std::string GroupThousands(const std::string& s) {
  std::string out;
  int n = static_cast<int>(s.size());
  for (int i = 0; i < n; ++i) {
    if (i > 0 && (n - i) % 3 == 0) out += ',';
    out += s[i];
  }
  return out;
}

std::string FormatDecimal(Decimal d, std::string_view pattern) {
  if (pattern.empty() || pattern == "General Number") {
    // Shortest text with a zero before the point.
    std::string s = StrLayout(d, 15);
    if (s[0] == ' ') s.erase(0, 1);
    std::size_t dot = s.find('.');
    if (dot != std::string::npos && (dot == 0 || s[dot - 1] == '-')) s.insert(dot, "0");
    return s;
  }
  if (pattern == "Fixed") pattern = "0.00";
  else if (pattern == "Percent") pattern = "0.00%";
  else if (pattern == "Scientific") pattern = "0.00E+00";

  NumberPattern np = ParsePattern(pattern);
  if (np.percent && !d.digits.empty()) d.exp += 2;
  int fracPlaces = static_cast<int>(np.frac.size());
  std::string intText, fracText, expText;

  if (np.scientific) {
    int intPlaces = std::max(1, np.intZeros + np.intHashes);
    int e = 0;
    if (!d.digits.empty()) {
      RoundToDigits(d, intPlaces + fracPlaces);
      e = d.exp - (intPlaces - 1);
    }
    std::string mant = d.digits;
    mant.resize(intPlaces + fracPlaces, '0');
    intText = mant.substr(0, intPlaces);
    fracText = mant.substr(intPlaces);
    expText = std::string(1, np.expLetter);
    if (e < 0) expText += '-';
    else if (np.expPlusSign) expText += '+';
    expText += ExponentText(e, std::max(1, np.expZeros));
  } else {
    RoundToDigits(d, d.exp + 1 + fracPlaces);
    for (int k = d.exp; k >= 0; --k) intText += DigitAt(d, k);  // empty when |x| < 1
    if (d.digits.empty()) intText.clear();
    if (static_cast<int>(intText.size()) < np.intZeros)
      intText.insert(0, np.intZeros - intText.size(), '0');
    if (np.grouping) intText = GroupThousands(intText);
    for (int k = -1; k >= -fracPlaces; --k) fracText += DigitAt(d, k);
  }
  TrimOptionalFraction(fracText, np.frac);

  // A value that rounds to zero shows no minus sign.
  bool negative = d.negative && !d.digits.empty();
  std::string out = negative ? "-" : "";
  out += np.prefix;
  if (np.placeholders) {
    out += intText;
    if (np.point) out += '.' + fracText;
  }
  out += np.middle;
  out += expText;
  out += np.suffix;
  return out;
}

// Reads the text of a number as Val does; returns the characters that belong to it, with the
// exponent letter "D" turned into "e". `negative` receives the sign.
std::string ScanNumber(std::string_view t, bool& negative) {
  std::size_t i = 0;
  while (i < t.size() && (t[i] == ' ' || t[i] == '\t')) ++i;
  negative = false;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) negative = t[i++] == '-';
  std::string num;
  bool digits = false, point = false;
  for (; i < t.size(); ++i) {
    char c = t[i];
    if (c >= '0' && c <= '9') {
      digits = true;
      num += c;
    } else if (c == '.' && !point) {
      point = true;
      num += c;
    } else {
      break;
    }
  }
  if (!digits) return "";
  if (i < t.size() && (t[i] == 'E' || t[i] == 'e' || t[i] == 'D' || t[i] == 'd')) {
    std::size_t j = i + 1;
    std::string exp = "e";
    if (j < t.size() && (t[j] == '+' || t[j] == '-')) exp += t[j++];
    bool expDigits = false;
    while (j < t.size() && t[j] >= '0' && t[j] <= '9') {
      exp += t[j++];
      expDigits = true;
    }
    if (expDigits) num += exp;
  }
  return num;
}

// The decimal exponent of a scanned number's leading digit; large magnitudes only matter for
// telling overflow from underflow.
long LeadingExponent(const std::string& num) {
  std::size_t e = num.find('e');
  std::string mant = num.substr(0, e);
  long exp = 0;
  if (e != std::string::npos) {
    std::size_t j = e + 1;
    bool neg = j < num.size() && num[j] == '-';
    if (j < num.size() && (num[j] == '+' || num[j] == '-')) ++j;
    for (; j < num.size(); ++j) exp = std::min(exp * 10 + (num[j] - '0'), 100000L);
    if (neg) exp = -exp;
  }
  std::size_t dot = mant.find('.');
  if (dot == std::string::npos) dot = mant.size();
  std::size_t first = mant.find_first_of("123456789");
  if (first == std::string::npos) return std::numeric_limits<long>::min();
  long pos = first < dot ? static_cast<long>(dot - first) - 1 : -static_cast<long>(first - dot);
  return pos + exp;
}

}  // namespace

std::string Str(float x) { return StrLayout(ToDecimal(x, 7), 7); }
std::string Str(double x) { return StrLayout(ToDecimal(x, 15), 15); }

double Val(std::string_view text) {
  bool negative = false;
  std::string num = ScanNumber(text, negative);
  if (num.empty()) return 0.0;
  double v = 0.0;
  auto r = std::from_chars(num.data(), num.data() + num.size(), v, std::chars_format::general);
  if (r.ec == std::errc::result_out_of_range)
    v = LeadingExponent(num) > 0 ? DBL_MAX : 0.0;
  else if (r.ec != std::errc())
    v = 0.0;
  return negative ? -v : v;
}

float ValSng(std::string_view text) {
  double v = Val(text);
  if (v > FLT_MAX) return FLT_MAX;
  if (v < -FLT_MAX) return -FLT_MAX;
  return static_cast<float>(v);
}

double RoundHalfEven(double x) {
  if (!std::isfinite(x)) return x;
  double f = std::floor(x);
  double diff = x - f;
  if (diff > 0.5) return f + 1.0;
  if (diff < 0.5) return f;
  return std::fmod(f, 2.0) == 0.0 ? f : f + 1.0;
}

bool TryCInt(double x, int16_t& out) {
  double r = RoundHalfEven(x);
  if (!(r >= -32768.0 && r <= 32767.0)) return false;
  out = static_cast<int16_t>(r);
  return true;
}

bool TryCLng(double x, int32_t& out) {
  double r = RoundHalfEven(x);
  if (!(r >= -2147483648.0 && r <= 2147483647.0)) return false;
  out = static_cast<int32_t>(r);
  return true;
}

int16_t CInt(double x) {
  int16_t v;
  if (!TryCInt(x, v)) throw RuntimeOverflow("Overflow");
  return v;
}

int32_t CLng(double x) {
  int32_t v;
  if (!TryCLng(x, v)) throw RuntimeOverflow("Overflow");
  return v;
}

double Fix(double x) { return std::trunc(x); }
double Int(double x) { return std::floor(x); }

std::string Format(double x, std::string_view pattern) {
  return FormatDecimal(ToDecimal(x, 15), pattern);
}

std::string Format(float x, std::string_view pattern) {
  return FormatDecimal(ToDecimal(x, 7), pattern);
}
