// Writes the program data file KAVO71.dat from the text sources in data/ and the font packages.
//
// Usage: kavo71_datgen <entry list> <output file> [<source folder>...]
// The entry list names one entry or a range of entries per line:
// "<number>|<first>-<last> <kind> <source>...". Sources are looked up in the list's folder, then
// in the source folders; blank lines and lines starting with "#" are skipped. Kinds:
//   file        one entry: the source's bytes, unchanged
//   glyphs      a range of stroke-font glyphs from a glyph table (data/gen/glyph_table.h)
//   afm-widths  one PostScript width table from a text font's and a symbol font's .afm metrics
// The output is written to a temporary file beside the target and renamed over it when complete.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "data/gen/afm_widths.h"
#include "data/gen/glyph_table.h"
#include "data/gen/sources.h"
#include "documents/data_file_format.h"

namespace fs = std::filesystem;
using datgen::SourceFinder;

namespace {

constexpr const char* kProvenance = "Kavo71 program data, generated from the data/ sources";

// One line of the entry list.
struct EntryLine {
  int first = 0, last = 0;
  std::vector<std::string> sources;
};

// Entry converters by kind: the line -> entry bytes by number.
struct Converter {
  bool range;        // takes a range of entries
  std::size_t sources;
  std::function<bool(const EntryLine&, const SourceFinder&, std::map<int, std::string>&, std::string&)> run;
};

bool CopyFile(const EntryLine& e, const SourceFinder& finder, std::map<int, std::string>& out,
              std::string& err) {
  return finder.Read(e.sources[0], out[e.first], err);
}

bool Glyphs(const EntryLine& e, const SourceFinder& finder, std::map<int, std::string>& out,
            std::string& err) {
  std::string table, why;
  if (!finder.Read(e.sources[0], table, err)) return false;
  if (datgen::GlyphTableEntries(table, e.first, e.last, finder, out, why)) return true;
  err = e.sources[0] + ": " + why;
  return false;
}

bool AfmWidths(const EntryLine& e, const SourceFinder& finder, std::map<int, std::string>& out,
               std::string& err) {
  std::map<int, int> widths[2];
  int zero[2] = {0, 0};
  for (int i = 0; i < 2; ++i) {
    std::string afm, why;
    if (!finder.Read(e.sources[i], afm, err)) return false;
    if (!datgen::ParseAfmWidths(afm, widths[i], zero[i], why)) {
      err = e.sources[i] + ": malformed font metrics: " + why;
      return false;
    }
  }
  out[e.first] = datgen::WidthTable(widths[0], zero[0], widths[1]);
  return true;
}

const std::map<std::string, Converter>& Converters() {
  static const std::map<std::string, Converter> kinds = {
      {"file", {false, 1, CopyFile}},
      {"glyphs", {true, 1, Glyphs}},
      {"afm-widths", {false, 2, AfmWidths}},
  };
  return kinds;
}

bool EntryNumber(const std::string& word, int& n) {
  try {
    std::size_t used = 0;
    n = std::stoi(word, &used);
    return used == word.size() && n >= 1 && n <= 8176;
  } catch (const std::exception&) {
    return false;
  }
}

bool EntryNumbers(const std::string& word, EntryLine& e) {
  const auto dash = word.find('-');
  if (dash == std::string::npos) return EntryNumber(word, e.first) && EntryNumber(word, e.last);
  return EntryNumber(word.substr(0, dash), e.first) && EntryNumber(word.substr(dash + 1), e.last) &&
         e.first <= e.last;
}

bool ReadEntryList(const fs::path& list, const std::vector<fs::path>& folders,
                   std::map<int, std::string>& entries, std::string& err) {
  std::ifstream in(list);
  if (!in) {
    err = "cannot read " + list.string();
    return false;
  }
  const SourceFinder finder(list.parent_path(), folders);
  std::string line;
  int lineNo = 0;
  while (std::getline(in, line)) {
    ++lineNo;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::istringstream words(line);
    std::string first, kind, source;
    if (!(words >> first) || first[0] == '#') continue;
    const std::string where = list.string() + ":" + std::to_string(lineNo) + ": ";
    EntryLine e;
    if (!EntryNumbers(first, e) || !(words >> kind)) {
      err = where + "expected \"<number 1..8176>|<first>-<last> <kind> <source>...\"";
      return false;
    }
    while (words >> source) e.sources.push_back(source);
    const auto conv = Converters().find(kind);
    if (conv == Converters().end()) {
      err = where + "unknown kind \"" + kind + "\"";
      return false;
    }
    if (e.sources.size() != conv->second.sources || (!conv->second.range && e.first != e.last)) {
      err = where + "kind \"" + kind + "\" takes " + (conv->second.range ? "a range and " : "one entry and ") +
            std::to_string(conv->second.sources) + " source(s)";
      return false;
    }
    for (int n = e.first; n <= e.last; ++n)
      if (entries.count(n)) {
        err = where + "entry " + std::to_string(n) + " given twice";
        return false;
      }
    std::map<int, std::string> made;
    std::string why;
    if (!conv->second.run(e, finder, made, why)) {
      err = where + why;
      return false;
    }
    entries.merge(made);
  }
  return true;
}

bool WriteReplacing(const fs::path& target, const std::string& bytes, std::string& err) {
  const fs::path tmp = target.string() + ".tmp";
  {
    std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (!out) {
      err = "cannot write " + tmp.string();
      std::error_code ec;
      fs::remove(tmp, ec);
      return false;
    }
  }
  std::error_code ec;
  fs::rename(tmp, target, ec);
  if (ec) {
    err = "cannot rename " + tmp.string() + ": " + ec.message();
    fs::remove(tmp, ec);
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::cerr << "usage: kavo71_datgen <entry list> <output file> [<source folder>...]\n";
    return 2;
  }
  const std::vector<fs::path> folders(argv + 3, argv + argc);
  std::map<int, std::string> entries;
  std::string err;
  if (!ReadEntryList(argv[1], folders, entries, err)) {
    std::cerr << "kavo71_datgen: " << err << "\n";
    return 1;
  }
  const auto bytes = datafile::Build(entries, kProvenance);
  if (!bytes) {
    std::cerr << "kavo71_datgen: the entries do not fit the container\n";
    return 1;
  }
  const fs::path out = argv[2];
  if (out.has_parent_path()) fs::create_directories(out.parent_path());
  if (!WriteReplacing(out, *bytes, err)) {
    std::cerr << "kavo71_datgen: " << err << "\n";
    return 1;
  }
  return 0;
}
