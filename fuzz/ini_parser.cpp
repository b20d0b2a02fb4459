// Arbitrary bytes as an INI file: parse, list the sections, read every key, write the text back
// through the file layer, change and delete, and check that everything reads back as it should.
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "fuzz/run_folder.h"
#include "platform/atomic_file.h"
#include "platform/atomic_file_seam.h"
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

bool PutFile(const std::string& path, std::string_view bytes) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  if (fd < 0) return false;
  const bool ok = ::write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
  return ::close(fd) == 0 && ok;
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

  // Each input saves several times; waiting for the disk would make the run crawl.
  static const bool noSync = (AtomicWriteSkipSyncForTests(true), true);
  (void)noSync;
  static const RunFolder folder;
  static const std::string file = folder.File("fuzz.ini");
  // The input is put in place directly: how it gets there is not under test, and a save costs
  // several times the system calls.
  if (!PutFile(file, bytes)) return 0;
  Check(profile::SectionNames(file) == names, "file layer lists the same sections");
  // Each file-layer call reads and parses the whole file again; the document checks above
  // cover every section, so the file layer's section read is checked on the first one (the
  // last one is read back below, after it is changed).
  if (!names.empty()) {
    Check(profile::ReadSection(file, names.front()) == Cut(doc.Entries(names.front())),
          "file layer reads alike");
  }

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
    // One read of the rewritten file shows every other section as it was.
    const std::optional<std::string> written = ReadFileBytes(file);
    Check(written.has_value(), "the rewritten file reads");
    const profile::Document after = profile::Document::Parse(*written);
    for (const std::string& name : names) {
      if (profile::MatchName(name) != profile::MatchName(section))
        Check(after.Entries(name) == doc.Entries(name), "other sections kept");
    }
    Check(profile::DeleteKey(file, section, key), "delete key succeeds");
    Check(profile::GetString(file, section, key, "\x01") == "\x01", "deleted key is gone");
  }
  Check(profile::DeleteSection(file, section), "delete section succeeds");
  Check(profile::ReadSection(file, section).empty(), "deleted section is gone");
  return 0;
}
