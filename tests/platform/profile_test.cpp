#include "platform/profile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/profile_document.h"
#include "tests/support/scratch_folder.h"

namespace {

namespace fs = std::filesystem;

class ProfileTest : public ::testing::Test {
 protected:

  void Put(const std::string& bytes) {
    std::ofstream(file_, std::ios::binary) << bytes;
  }
  std::string Bytes() const {
    std::ifstream in(file_, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
  }

  ScratchFolder scratch_;
  const std::string dir_ = scratch_.path();
  const std::string file_ = scratch_.File("settings.ini");
};

struct ReadCase {
  const char* what;
  std::string content;
  const char* section;
  const char* key;
  std::string expected;
};

TEST_F(ProfileTest, ReadsValuesByWindowsRules) {
  const std::string longValue(5000, 'x');
  const ReadCase cases[] = {
      {"plain", "[A]\r\nk=v\r\n", "A", "k", "v"},
      {"case and blanks in names", "[ Kavo Config ]\r\n  Default MHz = 400 \r\n",
       "kavo config", " default mhz", "400"},
      {"accented names fold", "[\xC9tat]\r\n\xE9l\xE8ve=1\r\n", "\xE9tat", "\xC9L\xC8VE", "1"},
      {"value trimmed, inner blanks kept", "[A]\r\nk=\t a  b \r\n", "A", "k", "a  b"},
      {"present empty value", "[A]\r\nk=\r\n", "A", "k", ""},
      {"missing key", "[A]\r\nk=v\r\n", "A", "other", "DEF"},
      {"missing section", "[A]\r\nk=v\r\n", "B", "k", "DEF"},
      {"key in another section", "[A]\r\n[B]\r\nk=v\r\n", "A", "k", "DEF"},
      {"key before any section", "k=v\r\n[A]\r\n", "A", "k", "DEF"},
      {"LF line ends", "[A]\nx=1\nk=v\n", "A", "k", "v"},
      {"CR line ends", "[A]\rx=1\rk=v\r", "A", "k", "v"},
      {"no final line end", "[A]\r\nk=v", "A", "k", "v"},
      {"first of duplicate keys", "[A]\r\nk=1\r\nk=2\r\n", "A", "k", "1"},
      {"first of duplicate sections", "[A]\r\nk=1\r\n[a]\r\nk=2\r\n", "A", "k", "1"},
      {"comment is not a key", "[A]\r\n;k=1\r\n", "A", ";k", "DEF"},
      {"value holds '=' and ';'", "[A]\r\nk=a=b;c\r\n", "A", "k", "a=b;c"},
      {"text after ']' ignored", "[A] ; note\r\nk=v\r\n", "A", "k", "v"},
      {"value ends at its first NUL", std::string("[A]\r\nk=a\0b\r\n", 12), "A", "k", "a"},
      // What is read is what a save writes back, so blanks before the NUL go with it.
      {"blanks before a NUL", std::string("[A]\r\nk=a \t\0b\r\n", 14), "A", "k", "a"},
      {"blank before the cut at 4095", "[A]\r\nk=" + longValue.substr(0, 4094) + " x\r\n", "A",
       "k", longValue.substr(0, 4094)},
      {"value cut at 4095", "[A]\r\nk=" + longValue + "\r\n", "A", "k", longValue.substr(0, 4095)},
  };
  for (const ReadCase& c : cases) {
    Put(c.content);
    EXPECT_EQ(profile::GetString(file_, c.section, c.key, "DEF"), c.expected) << c.what;
  }
  fs::remove(file_);
  EXPECT_EQ(profile::GetString(file_, "A", "k", "DEF"), "DEF") << "missing file";
  EXPECT_FALSE(fs::exists(file_)) << "reading never creates the file";
}

TEST_F(ProfileTest, ReadsNumbers) {
  Put("[N]\r\na=42\r\nb= -17 \r\nc=12abc\r\nd=abc\r\ne=\r\nf=99999999999\r\ng=+5\r\n");
  const std::pair<const char*, int32_t> cases[] = {
      {"a", 42}, {"b", -17}, {"c", 12}, {"d", 0}, {"e", 7}, {"f", 2147483647}, {"g", 5},
      {"missing", 7}};
  for (const auto& [key, expected] : cases)
    EXPECT_EQ(profile::GetInt(file_, "N", key, 7), expected) << key;
}

struct WriteCase {
  const char* what;
  std::string before;
  const char* section;
  const char* key;
  const char* value;
  std::string after;
};

TEST_F(ProfileTest, WritesInPlaceOrAtTheEndOfTheSection) {
  const WriteCase cases[] = {
      {"new file", "", "A", "k", "v", "[A]\r\nk=v\r\n"},
      {"replace in place, comments and order kept",
       "; head\r\n[A]\r\na=1\r\n; about k\r\nK = old\r\nz=9\r\n",
       "a", "k", "new", "; head\r\n[A]\r\na=1\r\n; about k\r\nK=new\r\nz=9\r\n"},
      {"append after the section's last key, before blank lines",
       "[A]\r\na=1\r\n\r\n[B]\r\nb=2\r\n", "A", "n", "3",
       "[A]\r\na=1\r\nn=3\r\n\r\n[B]\r\nb=2\r\n"},
      {"append into an empty section", "[A]\r\n[B]\r\n", "A", "n", "3",
       "[A]\r\nn=3\r\n[B]\r\n"},
      {"new section at the end after a blank line", "[A]\na=1", "B", "b", "2",
       "[A]\r\na=1\r\n\r\n[B]\r\nb=2\r\n"},
      {"names trimmed on write, value written as given", "", " Sec ", " 12", " .5",
       "[Sec]\r\n12= .5\r\n"},
      {"CR and LF in a value become blanks", "", "A", "k", "one\r\ntwo\rthree\nfour",
       "[A]\r\nk=one  two three four\r\n"},
      {"LF and CR files rewritten with CR LF", "[A]\nx=1\r;c\r\n", "A", "x", "2",
       "[A]\r\nx=2\r\n;c\r\n"},
      {"byte-order mark kept, first section found", "\xEF\xBB\xBF[A]\r\nx=1\r\n", "A", "x",
       "2", "\xEF\xBB\xBF[A]\r\nx=2\r\n"},
  };
  for (const WriteCase& c : cases) {
    if (c.before.empty()) fs::remove(file_); else Put(c.before);
    std::string error;
    EXPECT_TRUE(profile::WriteString(file_, c.section, c.key, c.value, &error)) << c.what << error;
    EXPECT_EQ(Bytes(), c.after) << c.what;
  }
}

TEST_F(ProfileTest, UnchangedValueLeavesTheFileAlone) {
  Put("[A]\nk = v \n");
  EXPECT_TRUE(profile::WriteString(file_, "A", "k", "v"));
  EXPECT_EQ(Bytes(), "[A]\nk = v \n");
}

TEST_F(ProfileTest, DeletesKeysAndSections) {
  const std::string before =
      "[A]\r\na=1\r\nk=2\r\n; c\r\nK=3\r\n[B]\r\nb=1\r\n[a]\r\nx=1\r\n\r\n[C]\r\n";
  Put(before);
  EXPECT_TRUE(profile::DeleteKey(file_, "a", " k "));
  EXPECT_EQ(Bytes(), "[A]\r\na=1\r\n; c\r\n[B]\r\nb=1\r\n[a]\r\nx=1\r\n\r\n[C]\r\n");
  EXPECT_TRUE(profile::DeleteSection(file_, "A"));
  EXPECT_EQ(Bytes(), "[B]\r\nb=1\r\n[C]\r\n") << "every section of the name goes";
  const std::string now = Bytes();
  EXPECT_TRUE(profile::DeleteKey(file_, "B", "none"));
  EXPECT_TRUE(profile::DeleteSection(file_, "none"));
  EXPECT_EQ(Bytes(), now);
  fs::remove(file_);
  EXPECT_TRUE(profile::DeleteSection(file_, "B"));
  EXPECT_FALSE(fs::exists(file_)) << "deleting from a missing file creates nothing";
}

TEST_F(ProfileTest, RefusesNamesThatWouldNotReadBack) {
  const std::pair<const char*, const char*> refused[] = {
      {"A]", "k"}, {"A\r", "k"}, {"A\nB", "k"},
      {"A", "k=1"}, {"A", "k\r"}, {"A", "k\n"}, {"A", " [k"}, {"A", ";k"}};
  Put("[A]\r\nk=v\r\n");
  for (const auto& [section, key] : refused) {
    std::string error;
    EXPECT_FALSE(profile::WriteString(file_, section, key, "x", &error)) << section << key;
    EXPECT_FALSE(error.empty());
  }
  EXPECT_EQ(Bytes(), "[A]\r\nk=v\r\n");
}

TEST_F(ProfileTest, WriteFailuresAreReportedAndNothingIsLost) {
  std::string error;
  EXPECT_FALSE(profile::WriteString(dir_ + "/missing/x.ini", "A", "k", "v", &error));
  EXPECT_FALSE(error.empty());
  // A path that exists but cannot be read as a file is never replaced by a new file.
  const std::string folder = dir_ + "/folder.ini";
  fs::create_directory(folder);
  fs::create_directory(folder + "/inside");
  error.clear();
  EXPECT_FALSE(profile::WriteString(folder, "A", "k", "v", &error));
  EXPECT_FALSE(error.empty());
  EXPECT_FALSE(profile::DeleteSection(folder, "A"));
  EXPECT_TRUE(fs::is_directory(folder + "/inside"));
}

// A file far larger than any settings file (a sparse 1 GiB one, and one just over the limit)
// is not read: reads give the defaults at once, and every writer leaves it as it was.
TEST_F(ProfileTest, FarTooLargeFilesAreNeitherReadNorWrittenOver) {
  const std::uintmax_t sizes[] = {std::uintmax_t{1} << 30, profile::kMaxFileBytes + 1};
  for (const std::uintmax_t size : sizes) {
    SCOPED_TRACE(size);
    Put("[A]\r\nk=v\r\n");
    fs::resize_file(file_, size);
    EXPECT_TRUE(profile::TooLarge(file_));
    EXPECT_EQ(profile::GetString(file_, "A", "k", "DEF"), "DEF");
    EXPECT_EQ(profile::GetInt(file_, "A", "k", 7), 7);
    EXPECT_TRUE(profile::ReadSection(file_, "A").empty());
    std::string error;
    EXPECT_FALSE(profile::WriteString(file_, "A", "k", "w", &error));
    EXPECT_EQ(error, profile::TooLargeText(file_));
    EXPECT_NE(error.find("larger than 16 MB"), std::string::npos);
    EXPECT_FALSE(profile::DeleteKey(file_, "A", "k"));
    EXPECT_FALSE(profile::DeleteSection(file_, "A"));
    EXPECT_EQ(fs::file_size(file_), size);
    std::string head(10, '\0');
    std::ifstream(file_, std::ios::binary).read(head.data(), 10);
    EXPECT_EQ(head, "[A]\r\nk=v\r\n");
  }
  Put("[A]\r\nk=v\r\n");
  fs::resize_file(file_, profile::kMaxFileBytes);
  EXPECT_FALSE(profile::TooLarge(file_));
  EXPECT_EQ(profile::GetString(file_, "A", "k", "DEF"), "v");
}

// A file is parsed once and its content shared while it stays the same; any change, also one
// of the same size made at once (file times move in coarse steps), is read again.
TEST_F(ProfileTest, ParsedContentIsReusedWhileTheFileIsUnchanged) {
  Put("[A]\r\nk=1\r\n");
  const auto first = profile::Load(file_);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(profile::Load(file_), first);
  EXPECT_EQ(profile::GetString(file_, "A", "k", ""), "1");
  EXPECT_EQ(profile::Load(file_), first);

  Put("[A]\r\nk=2\r\n");  // same size, same file, rewritten in place at once
  EXPECT_EQ(profile::GetString(file_, "A", "k", ""), "2");
  ASSERT_TRUE(profile::WriteString(file_, "A", "k", "3"));
  EXPECT_EQ(profile::GetString(file_, "A", "k", ""), "3");
  const auto written = profile::Load(file_);
  EXPECT_EQ(profile::Load(file_), written);
  fs::remove(file_);
  profile::FileState state = profile::FileState::kRead;
  EXPECT_EQ(profile::Load(file_, &state), nullptr);
  EXPECT_EQ(state, profile::FileState::kMissing);
  EXPECT_EQ(profile::GetString(file_, "A", "k", "DEF"), "DEF");
}

TEST_F(ProfileTest, PathsAreWindows1252) {
  const std::string path = dir_ + "/R\xE9sum\xE9.ini";
  ASSERT_TRUE(profile::WriteString(path, "A", "k", "v"));
  EXPECT_TRUE(fs::exists(dir_ + "/R\u00E9sum\u00E9.ini")) << "stored under its UTF-8 name";
  EXPECT_EQ(profile::GetString(path, "A", "k", ""), "v");
}

TEST_F(ProfileTest, ListsSectionsAndEntriesInFileOrderWithoutCutting) {
  std::string content = "[First]\r\n[Big]\r\n";
  for (int i = 0; i < 600; ++i)
    content += "LongKeyName" + std::to_string(i) + "=" + std::to_string(i) + "\r\n";
  content += "dup=2\r\n";
  content += "[Third]\r\nz=\r\nv=" + std::string(5000, 'y') + "\r\n";
  content += std::string("nul=a\0b\r\n", 9);
  content.insert(content.find("[Third]"), "LongKeyName5=again\r\n");
  Put(content);
  EXPECT_EQ(profile::SectionNames(file_), (std::vector<std::string>{"First", "Big", "Third"}));
  const auto big = profile::ReadSection(file_, "big");
  ASSERT_EQ(big.size(), 601u) << "key list longer than 4096 characters is never cut";
  EXPECT_EQ(big[0], (std::pair<std::string, std::string>{"LongKeyName0", "0"}));
  EXPECT_EQ(big[5].second, "5") << "a duplicate key is listed once, with its first value";
  EXPECT_EQ(big[599].first, "LongKeyName599");
  EXPECT_EQ(big[600].first, "dup");
  const auto third = profile::ReadSection(file_, "Third");
  ASSERT_EQ(third.size(), 3u);
  EXPECT_EQ(third[0].second, "");
  EXPECT_EQ(third[1].second.size(), 4095u);
  EXPECT_EQ(third[2].second, "a") << "a value ends at its first NUL";
  EXPECT_TRUE(profile::ReadSection(file_, "First").empty());
  EXPECT_TRUE(profile::ReadSection(file_, "Missing").empty());
}

TEST_F(ProfileTest, FileWrittenByTheLayerReadsBackIdentically) {
  Put("; Settings of the simulator\n[Preferences]\n; widths in mm\nWidth=1\n\n[Other]\nq=1\n");
  const std::vector<std::pair<std::string, std::string>> prefs = {
      {"Width", "150.5"}, {"Zeta", "last"}, {"Alpha", "a=b; c"}, {"Empty", ""},
      {"High", "\xE9\xFC\x80"}, {"Height", "90"}};
  for (const auto& [key, value] : prefs) ASSERT_TRUE(profile::WriteString(file_, "Preferences", key, value));
  ASSERT_TRUE(profile::WriteString(file_, "New", "x", "1"));
  EXPECT_EQ(profile::ReadSection(file_, "Preferences"), prefs);
  for (const auto& [key, value] : prefs) EXPECT_EQ(profile::GetString(file_, "PREFERENCES", key, "?"), value);
  EXPECT_EQ(Bytes(),
            "; Settings of the simulator\r\n[Preferences]\r\n; widths in mm\r\nWidth=150.5\r\n"
            "Zeta=last\r\nAlpha=a=b; c\r\nEmpty=\r\nHigh=\xE9\xFC\x80\r\nHeight=90\r\n\r\n"
            "[Other]\r\nq=1\r\n\r\n[New]\r\nx=1\r\n");
}

}  // namespace
