#include "data/gen/glyph_table.h"

#include <sstream>
#include <vector>

#include "data/gen/glyph_encoding.h"
#include "data/gen/hershey.h"

namespace datgen {
namespace {

// Top of the lower-case letters in the grid; accents over taller glyphs are raised by the difference.
constexpr int kLowercaseTop = 14;

struct Glyph {
  std::string entry;
  int width = 0;
  int gridWidth = 0;  // right - left bearing
  Strokes grid;
};

class TableReader {
 public:
  TableReader(int first, int last, const SourceFinder& finder)
      : first_(first), last_(last), finder_(finder) {}

  bool Line(const std::string& line, std::string& err);
  bool Finish(std::map<int, std::string>& entries, std::string& err) const;

 private:
  bool Codes(const std::string& word, int& lo, int& hi, std::string& err) const;
  bool Font(const std::string& file, const std::vector<HersheyGlyph>*& glyphs, std::string& err);
  bool Define(int code, const HersheyGlyph& source, std::string& err);
  bool Accented(int code, int base, const HersheyGlyph& accent, std::string& err);
  bool Known(int code, const Glyph*& g, std::string& err) const;

  int first_, last_;
  const SourceFinder& finder_;
  std::map<int, Glyph> glyphs_;
  std::map<std::string, HersheyGlyph> shapes_;
  std::map<std::string, std::vector<HersheyGlyph>> fonts_;
};

bool CodeArg(const std::string& word, int& code) {
  if (word.empty()) return false;
  if (word.find_first_not_of("0123456789-") == std::string::npos && word != "-") {
    try {
      std::size_t used = 0;
      code = std::stoi(word, &used);
      return used == word.size();
    } catch (const std::exception&) {
      return false;
    }
  }
  if (word.size() != 1) return false;
  code = static_cast<unsigned char>(word[0]);
  return true;
}

// The rest of the line after the words already read, leading blanks dropped.
std::string Rest(std::istringstream& words) {
  std::string rest;
  std::getline(words, rest);
  const auto start = rest.find_first_not_of(" \t");
  if (start == std::string::npos) return "";
  rest.erase(0, start);
  while (!rest.empty() && (rest.back() == ' ' || rest.back() == '\t')) rest.pop_back();
  return rest;
}

bool TableReader::Codes(const std::string& word, int& lo, int& hi, std::string& err) const {
  const auto dash = word.find('-', 1);
  if (dash == std::string::npos) {
    if (!CodeArg(word, lo)) return err = "code expected", false;
    hi = lo;
  } else if (!CodeArg(word.substr(0, dash), lo) || !CodeArg(word.substr(dash + 1), hi) || hi < lo) {
    return err = "code range \"first-last\" expected", false;
  }
  if (lo < first_ || hi > last_) {
    err = "code outside " + std::to_string(first_) + ".." + std::to_string(last_);
    return false;
  }
  for (int c = lo; c <= hi; ++c)
    if (glyphs_.count(c)) return err = "code " + std::to_string(c) + " given twice", false;
  return true;
}

bool TableReader::Font(const std::string& file, const std::vector<HersheyGlyph>*& glyphs, std::string& err) {
  auto it = fonts_.find(file);
  if (it == fonts_.end()) {
    std::string text, why;
    std::vector<HersheyGlyph> parsed;
    if (!finder_.Read(file, text, err)) return false;
    if (!ParseJhf(text, parsed, why)) return err = file + ": " + why, false;
    it = fonts_.emplace(file, std::move(parsed)).first;
  }
  glyphs = &it->second;
  return true;
}

bool TableReader::Define(int code, const HersheyGlyph& source, std::string& err) {
  Glyph g{{}, GlyphWidth(source), source.right - source.left, ToGrid(source)};
  if (!GlyphEntry(g.width, g.grid, g.entry, err)) return false;
  glyphs_[code] = std::move(g);
  return true;
}

bool TableReader::Known(int code, const Glyph*& g, std::string& err) const {
  const auto it = glyphs_.find(code);
  if (it == glyphs_.end()) return err = "code " + std::to_string(code) + " is not defined above", false;
  g = &it->second;
  return true;
}

bool TableReader::Accented(int code, int base, const HersheyGlyph& accent, std::string& err) {
  const Glyph* b = nullptr;
  if (!Known(base, b, err)) return false;
  if (b->grid.empty() || base > 255) return err = "the base must be a glyph with strokes below 256", false;
  Strokes mark = ToGrid(accent);
  const int dx = (b->gridWidth - (accent.right - accent.left)) / 2;
  bool above = true;
  for (const auto& stroke : mark)
    for (const Point& p : stroke) above = above && p.y > 0;
  const int dy = above ? std::max(0, GridTop(b->grid) - kLowercaseTop) : 0;
  for (auto& stroke : mark)
    for (Point& p : stroke) p = {p.x + dx, p.y + dy};
  Glyph g{WidthBytes(b->width) + "RC", b->width, b->gridWidth, b->grid};
  g.entry += static_cast<char>(kInsertGlyph);
  g.entry += static_cast<char>(base);
  g.entry += static_cast<char>(kPenUp);
  if (!AppendStrokes(mark, g.entry, err)) return false;
  g.grid.insert(g.grid.end(), mark.begin(), mark.end());
  glyphs_[code] = std::move(g);
  return true;
}

bool TableReader::Line(const std::string& line, std::string& err) {
  std::istringstream words(line);
  std::string first, kind;
  if (!(words >> first) || first[0] == '#') return true;
  if (first == "shape") {
    std::string name, why;
    HersheyGlyph g;
    if (!(words >> name)) return err = "shape name expected", false;
    if (!ParseGlyphData(Rest(words), g, why)) return err = "shape " + name + ": " + why, false;
    shapes_[name] = std::move(g);
    return true;
  }
  int lo = 0, hi = 0;
  if (!Codes(first, lo, hi, err)) return false;
  if (!(words >> kind)) return err = "kind expected", false;
  if (kind == "hershey") {
    std::string file, pos;
    int start = lo;
    const std::vector<HersheyGlyph>* font = nullptr;
    if (!(words >> file) || ((words >> pos) && !CodeArg(pos, start)))
      return err = "expected \"hershey <file> [<position>]\"", false;
    if (!Font(file, font, err)) return false;
    for (int c = lo; c <= hi; ++c) {
      const int index = start + (c - lo) - 32;
      if (index < 0 || index >= static_cast<int>(font->size()))
        return err = file + " has no glyph at position " + std::to_string(index + 32), false;
      if (!Define(c, (*font)[index], err)) return false;
    }
  } else if (kind == "strokes" || kind == "shape") {
    HersheyGlyph g;
    std::string why, name;
    if (kind == "strokes" && !ParseGlyphData(Rest(words), g, why)) return err = why, false;
    if (kind == "shape") {
      if (!(words >> name) || !shapes_.count(name)) return err = "unknown shape \"" + name + "\"", false;
      g = shapes_[name];
    }
    for (int c = lo; c <= hi; ++c)
      if (!Define(c, g, err)) return false;
  } else if (kind == "accented") {
    std::string baseWord, name;
    int base = 0;
    if (!(words >> baseWord) || !CodeArg(baseWord, base)) return err = "base code expected", false;
    for (int c = lo; c <= hi; ++c) {
      if (!(words >> name) || !shapes_.count(name))
        return err = "one known accent shape per code expected", false;
      if (!Accented(c, base, shapes_[name], err)) return false;
    }
  } else if (kind == "like") {
    std::string word;
    int other = 0;
    const Glyph* g = nullptr;
    if (!(words >> word) || !CodeArg(word, other)) return err = "code expected", false;
    if (!Known(other, g, err)) return false;
    const Glyph copy = *g;
    for (int c = lo; c <= hi; ++c) glyphs_[c] = copy;
  } else if (kind == "blank") {
    std::string word;
    int width = 0;
    if (!(words >> word) || !CodeArg(word, width) || width < -32768 || width > 32767)
      return err = "width expected", false;
    for (int c = lo; c <= hi; ++c) glyphs_[c] = Glyph{WidthBytes(width) + "UC", width, 0, {}};
  } else if (kind == "command") {
    const std::string text = Rest(words);
    if (text.empty()) return err = "command text expected", false;
    for (int c = lo; c <= hi; ++c) glyphs_[c] = Glyph{WidthBytes(0) + "CP" + text, 0, 0, {}};
  } else {
    return err = "unknown kind \"" + kind + "\"", false;
  }
  std::string extra;
  if (kind != "strokes" && kind != "command" && (words >> extra)) return err = "unexpected \"" + extra + "\"", false;
  return true;
}

bool TableReader::Finish(std::map<int, std::string>& entries, std::string& err) const {
  const Glyph* blank = nullptr;
  if (!Known(' ', blank, err)) return false;
  for (int c = first_; c <= last_; ++c) {
    const auto it = glyphs_.find(c);
    entries[c] = it != glyphs_.end() ? it->second.entry : WidthBytes(blank->width) + "UC";
  }
  return true;
}

}  // namespace

bool GlyphTableEntries(std::string_view table, int first, int last, const SourceFinder& finder,
                       std::map<int, std::string>& entries, std::string& err) {
  TableReader reader(first, last, finder);
  std::istringstream lines{std::string(table)};
  std::string line, why;
  int lineNo = 0;
  while (std::getline(lines, line)) {
    ++lineNo;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!reader.Line(line, why)) return err = "line " + std::to_string(lineNo) + ": " + why, false;
  }
  return reader.Finish(entries, err);
}

}  // namespace datgen
