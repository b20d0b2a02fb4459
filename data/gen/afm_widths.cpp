#include "data/gen/afm_widths.h"

#include <sstream>

#include "data/gen/glyph_encoding.h"
#include "data/gen/sources.h"

namespace datgen {
namespace {

const int* Find(const std::map<int, int>& widths, int code) {
  const auto it = widths.find(code);
  return it == widths.end() ? nullptr : &it->second;
}

}  // namespace

bool ParseAfmWidths(std::string_view afm, std::map<int, int>& byCode, int& zero, std::string& err) {
  byCode.clear();
  zero = 0;
  std::istringstream lines{std::string(afm)};
  std::string line;
  int lineNo = 0;
  bool inMetrics = false, sawMetrics = false;
  while (std::getline(lines, line)) {
    ++lineNo;
    std::istringstream words(line);
    std::string key;
    if (!(words >> key)) continue;
    if (key == "StartCharMetrics") inMetrics = sawMetrics = true;
    if (key == "EndCharMetrics") inMetrics = false;
    if (!inMetrics || key != "C") continue;
    // C <code> ; WX <width> ; N <name> ; ...
    int code = 0, width = 0;
    std::string semi, wx, name, n;
    if (!(words >> code >> semi >> wx >> width) || semi != ";" || wx != "WX" || width < 0 ||
        width > 10000) {
      err = "line " + std::to_string(lineNo) + ": expected \"C <code> ; WX <width> ; N <name>\"";
      return false;
    }
    words >> semi >> n >> name;
    if (n == "N" && name == "zero") zero = width;
    if (code >= 0 && code <= 255) byCode[code] = width;
  }
  if (!sawMetrics) return err = "no StartCharMetrics section", false;
  if (zero <= 0) return err = "no glyph \"zero\"", false;
  return true;
}

std::string WidthTable(const std::map<int, int>& text, int zero, const std::map<int, int>& symbol) {
  std::string out;
  for (int i = 0; i < kWidthTableSize; ++i) {
    long value = 0;
    if (i == kDigitAdvanceIndex) {
      value = zero;
    } else if (i >= 32 && i <= 255) {
      const int* width = Find(text, i);
      if (!width && i >= 128) width = Find(symbol, i);
      if (width) value = RoundHalfEven(*width * 150L, zero);
    }
    out += WidthBytes(static_cast<int>(value));
  }
  return out;
}

}  // namespace datgen
