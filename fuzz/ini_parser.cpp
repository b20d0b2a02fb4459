// Arbitrary bytes as an INI file: parse, list the sections, read every key, write the text back
// through the file layer, change and delete, and check that everything reads back as it should.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/atomic_file.h"
#include "platform/paths.h"
#include "platform/profile.h"
#include "platform/profile_document.h"

namespace {

void Check(bool ok, const char* what) {
  if (!ok) {
    std::fprintf(stderr, "INI fuzz check failed: %s\n", what);
    std::abort();
  }
}

using Entries = std::vector<std::pair<std::string, std::string>>;

Entries Cut(Entries entries) {
  for (auto& entry : entries) entry.second = profile::CutValue(entry.second);
  return entries;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const profile::Document doc = profile::Document::Parse(bytes);
  const std::vector<std::string> names = doc.SectionNames();

  const std::string text = doc.Serialize();
  const profile::Document again = profile::Document::Parse(text);
  Check(again.Serialize() == text, "serialized text parses to the same lines");
  Check(again.SectionNames() == names, "same sections after a round trip");
  for (const std::string& name : names) {
    const Entries entries = doc.Entries(name);
    Check(again.Entries(name) == entries, "same entries after a round trip");
    for (const auto& [key, value] : entries) {
      const std::string* found = doc.FindValue(name, key);
      Check(found && *found == value, "every listed key is found with its value");
    }
  }

  static const std::string file =
      PathJoin(TempFolder(), "fuzz_ini_" + std::to_string(::getpid()) + ".ini");
  if (!WriteFileAtomic(file, bytes)) return 0;
  Check(profile::SectionNames(file) == names, "file layer lists the same sections");
  for (const std::string& name : names)
    Check(profile::ReadSection(file, name) == Cut(doc.Entries(name)), "file layer reads alike");

  // Write one key derived from the input, then check it and every other section.
  const std::string section = names.empty() ? "Fuzz" : names.back();
  const Entries before = doc.Entries(section);
  const std::string key = before.empty() ? "k" : before.front().first;
  const std::string value(bytes.substr(0, 64));
  if (profile::Document::NameProblem(section, key).empty()) {
    Check(profile::WriteString(file, section, key, value), "write succeeds");
    std::string expected = value;
    for (char& c : expected)
      if (c == '\r' || c == '\n') c = ' ';
    expected = profile::CutValue(profile::TrimBlanks(expected));
    Check(profile::GetString(file, section, key, "\x01") == expected, "written value reads back");
    for (const std::string& name : names) {
      if (profile::MatchName(name) != profile::MatchName(section))
        Check(profile::ReadSection(file, name) == Cut(doc.Entries(name)), "other sections kept");
    }
    Check(profile::DeleteKey(file, section, key), "delete key succeeds");
    Check(profile::GetString(file, section, key, "\x01") == "\x01", "deleted key is gone");
  }
  Check(profile::DeleteSection(file, section), "delete section succeeds");
  Check(profile::ReadSection(file, section).empty(), "deleted section is gone");
  std::remove(file.c_str());
  return 0;
}
