// Writes the program data file KAVO71.dat from the text sources in data/.
//
// Usage: kavo71_datgen <entry list> <output file>
// The entry list names one entry per line: "<number> <kind> <source>", the source relative to
// the list's folder; blank lines and lines starting with "#" are skipped. Kinds:
//   file   the source's bytes, unchanged
// The output is written to a temporary file beside the target and renamed over it when complete.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>

#include "documents/data_file_format.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kProvenance = "Kavo71 program data, generated from the data/ sources";

bool ReadAll(const fs::path& p, std::string& out) {
  std::ifstream in(p, std::ios::binary);
  if (!in) return false;
  out.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

// Entry converters by kind: source path -> entry bytes.
using Converter = std::function<bool(const fs::path&, std::string&, std::string&)>;

const std::map<std::string, Converter>& Converters() {
  static const std::map<std::string, Converter> kinds = {
      {"file",
       [](const fs::path& src, std::string& out, std::string& err) {
         if (ReadAll(src, out)) return true;
         err = "cannot read " + src.string();
         return false;
       }},
  };
  return kinds;
}

bool ReadEntryList(const fs::path& list, std::map<int, std::string>& entries, std::string& err) {
  std::ifstream in(list);
  if (!in) {
    err = "cannot read " + list.string();
    return false;
  }
  std::string line;
  int lineNo = 0;
  while (std::getline(in, line)) {
    ++lineNo;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::istringstream words(line);
    std::string first;
    if (!(words >> first) || first[0] == '#') continue;
    const std::string where = list.string() + ":" + std::to_string(lineNo) + ": ";
    int n = 0;
    try {
      std::size_t used = 0;
      n = std::stoi(first, &used);
      if (used != first.size()) throw std::invalid_argument(first);
    } catch (const std::exception&) {
      err = where + "entry number expected";
      return false;
    }
    std::string kind, source, extra;
    if (n < 1 || n > 8176 || !(words >> kind >> source) || (words >> extra)) {
      err = where + "expected \"<number 1..8176> <kind> <source>\"";
      return false;
    }
    const auto conv = Converters().find(kind);
    if (conv == Converters().end()) {
      err = where + "unknown kind \"" + kind + "\"";
      return false;
    }
    if (entries.count(n)) {
      err = where + "entry " + std::to_string(n) + " given twice";
      return false;
    }
    std::string bytes, why;
    if (!conv->second(list.parent_path() / source, bytes, why)) {
      err = where + why;
      return false;
    }
    entries[n] = std::move(bytes);
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
  if (argc != 3) {
    std::cerr << "usage: kavo71_datgen <entry list> <output file>\n";
    return 2;
  }
  std::map<int, std::string> entries;
  std::string err;
  if (!ReadEntryList(argv[1], entries, err)) {
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
