#include "data/gen/hershey.h"

#include <charconv>

namespace datgen {

bool ParseGlyphData(std::string_view data, HersheyGlyph& glyph, std::string& err) {
  if (data.size() < 2 || data.size() % 2 != 0) {
    err = "odd or missing coordinate data";
    return false;
  }
  auto value = [](char c) { return static_cast<int>(static_cast<unsigned char>(c)) - 'R'; };
  auto valid = [](char c) { return c > ' ' && c <= '~'; };
  if (!valid(data[0]) || !valid(data[1])) {
    err = "bad bearings";
    return false;
  }
  glyph = HersheyGlyph{value(data[0]), value(data[1]), {}};
  bool penUp = true;
  for (std::size_t i = 2; i < data.size(); i += 2) {
    if (data[i] == ' ' && data[i + 1] == 'R') {
      penUp = true;
      continue;
    }
    if (!valid(data[i]) || !valid(data[i + 1])) {
      err = "bad coordinate pair at column " + std::to_string(i + 1);
      return false;
    }
    if (penUp) glyph.strokes.emplace_back();
    penUp = false;
    glyph.strokes.back().push_back({value(data[i]), value(data[i + 1])});
  }
  return true;
}

bool ParseJhf(std::string_view text, std::vector<HersheyGlyph>& glyphs, std::string& err) {
  glyphs.clear();
  std::size_t pos = 0;
  int lineNo = 0;
  auto nextLine = [&](std::string_view& line) {
    if (pos >= text.size()) return false;
    std::size_t end = text.find('\n', pos);
    if (end == std::string_view::npos) end = text.size();
    line = text.substr(pos, end - pos);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    pos = end + 1;
    ++lineNo;
    return true;
  };
  std::string_view line;
  while (nextLine(line)) {
    if (line.find_first_not_of(' ') == std::string_view::npos) continue;
    const std::string where = "line " + std::to_string(lineNo) + ": ";
    std::string_view countField = line.substr(std::min<std::size_t>(5, line.size()), 3);
    while (!countField.empty() && countField.front() == ' ') countField.remove_prefix(1);
    int pairs = 0;
    const auto [end, ec] = std::from_chars(countField.data(), countField.data() + countField.size(), pairs);
    if (line.size() < 10 || ec != std::errc() || end != countField.data() + countField.size() || pairs < 1) {
      err = where + "expected a glyph number, a pair count and the bearings";
      return false;
    }
    std::string data(line.substr(8));
    while (data.size() < 2 * static_cast<std::size_t>(pairs) && nextLine(line)) data += line;
    if (data.size() != 2 * static_cast<std::size_t>(pairs)) {
      err = where + "the glyph holds " + std::to_string(data.size()) + " characters of coordinates, " +
            std::to_string(2 * pairs) + " announced";
      return false;
    }
    HersheyGlyph g;
    std::string why;
    if (!ParseGlyphData(data, g, why)) {
      err = where + why;
      return false;
    }
    glyphs.push_back(std::move(g));
  }
  return true;
}

}  // namespace datgen
