// Date and time display patterns with English names, independent of the process locale.
#include <algorithm>
#include <array>
#include <cctype>

#include "platform/runtime_numbers.h"

namespace {

constexpr std::array<const char*, 12> kMonths = {"January", "February", "March",     "April",
                                                 "May",     "June",     "July",      "August",
                                                 "September", "October", "November", "December"};
constexpr std::array<const char*, 7> kDays = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                              "Thursday", "Friday", "Saturday"};

std::string TwoDigits(int v) {
  v = v < 0 ? 0 : v % 100;
  return std::string{static_cast<char>('0' + v / 10), static_cast<char>('0' + v % 10)};
}

// Length of the run of character c (case-insensitive) starting at i.
std::size_t RunLength(std::string_view p, std::size_t i, char c) {
  std::size_t n = 0;
  while (i + n < p.size() && std::tolower(static_cast<unsigned char>(p[i + n])) == c) ++n;
  return n;
}

bool StartsWithNoCase(std::string_view p, std::size_t i, std::string_view what) {
  if (p.size() - i < what.size()) return false;
  for (std::size_t k = 0; k < what.size(); ++k)
    if (std::tolower(static_cast<unsigned char>(p[i + k])) != what[k]) return false;
  return true;
}

// True when the next date/time token after position i is a seconds token.
bool SecondsFollow(std::string_view p, std::size_t i) {
  for (; i < p.size(); ++i) {
    char c = static_cast<char>(std::tolower(static_cast<unsigned char>(p[i])));
    if (c == 's') return true;
    if (c == 'y' || c == 'm' || c == 'd' || c == 'h' || c == 'n' || c == '"') return false;
  }
  return false;
}

}  // namespace

std::string FormatDateTime(const std::tm& when, std::string_view p) {
  bool twelveHour = false;
  for (std::size_t i = 0; i < p.size(); ++i)
    if (StartsWithNoCase(p, i, "am/pm")) twelveHour = true;
  int hour = when.tm_hour;
  if (twelveHour) hour = hour % 12 == 0 ? 12 : hour % 12;
  int month = when.tm_mon >= 0 && when.tm_mon < 12 ? when.tm_mon : 0;
  int weekday = when.tm_wday >= 0 && when.tm_wday < 7 ? when.tm_wday : 0;

  std::string out;
  bool afterHour = false;  // "m" right after an hour token means minutes
  for (std::size_t i = 0; i < p.size();) {
    char c = static_cast<char>(std::tolower(static_cast<unsigned char>(p[i])));
    if (p[i] == '"') {
      std::size_t end = p.find('"', i + 1);
      if (end == std::string_view::npos) end = p.size();
      out += p.substr(i + 1, end - i - 1);
      i = end + 1;
      continue;
    }
    if (p[i] == '\\') {
      if (i + 1 < p.size()) out += p[i + 1];
      i += 2;
      continue;
    }
    if (StartsWithNoCase(p, i, "am/pm")) {
      bool lower = p[i] == 'a';
      out += when.tm_hour < 12 ? (lower ? "am" : "AM") : (lower ? "pm" : "PM");
      i += 5;
      continue;
    }
    std::size_t n = (c == 'y' || c == 'm' || c == 'd' || c == 'h' || c == 'n' || c == 's')
                        ? RunLength(p, i, c) : 0;
    if (n == 0) {
      out += p[i++];
      continue;
    }
    bool wasAfterHour = afterHour;
    afterHour = false;
    switch (c) {
      case 'y': {
        int year = when.tm_year + 1900;
        if (n >= 3) out += std::to_string(year);
        else out += TwoDigits(year % 100);
        n = n >= 3 ? (n >= 4 ? 4 : n) : n;
        break;
      }
      case 'm':
        if (n <= 2 && (wasAfterHour || SecondsFollow(p, i + n))) {
          out += n == 2 ? TwoDigits(when.tm_min) : std::to_string(when.tm_min);
        } else if (n >= 4) {
          out += kMonths[month];
          n = 4;
        } else if (n == 3) {
          out += std::string(kMonths[month]).substr(0, 3);
        } else {
          out += n == 2 ? TwoDigits(month + 1) : std::to_string(month + 1);
        }
        break;
      case 'd':
        if (n >= 4) {
          out += kDays[weekday];
          n = 4;
        } else if (n == 3) {
          out += std::string(kDays[weekday]).substr(0, 3);
        } else {
          out += n == 2 ? TwoDigits(when.tm_mday) : std::to_string(when.tm_mday);
        }
        break;
      case 'h':
        n = std::min<std::size_t>(n, 2);
        out += n == 2 ? TwoDigits(hour) : std::to_string(hour);
        afterHour = true;
        break;
      case 'n':
        n = std::min<std::size_t>(n, 2);
        out += n == 2 ? TwoDigits(when.tm_min) : std::to_string(when.tm_min);
        break;
      case 's':
        n = std::min<std::size_t>(n, 2);
        out += n == 2 ? TwoDigits(when.tm_sec) : std::to_string(when.tm_sec);
        break;
    }
    i += n;
  }
  return out;
}

std::tm NowLocal() {
  std::time_t t = std::time(nullptr);
  std::tm result{};
  localtime_r(&t, &result);
  return result;
}
