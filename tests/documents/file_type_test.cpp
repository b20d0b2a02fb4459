#include "documents/file_type.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "drawlib/util/error_location.h"
#include "tests/documents/test_files.h"
#include "tests/support/scratch_folder.h"

namespace {

std::string Decorated(const std::string& path, const std::string& text) {
  return path + text + " Location: [ 5511] ";
}

const std::string kDrawing = ": This is a ZEF Drawing File.";
const std::string kUnknown = " is not a recognized NMR spectrum file (NUTS, TECMAG, LYBRICS).";

// A metafile-like head: some record bytes, then a comment escape (15, 0), a byte count and the
// drawing marker.
std::string WmfWithDrawing() {
  return std::string("\xD7\xCD\xC6\x9A\x01\x00\x09\x00", 8) + std::string("\x0F\x00\x40\x00", 4) +
         "ZEF1620DRW" + std::string(30, 'x');
}

TEST(FileTypeDetect, EveryCodeAndMessage) {
  ScratchFolder dir;
  struct Case {
    const char* name;
    std::string bytes;
    int16_t code;
    std::string text;  // undecorated; "" for no message
  };
  const std::string jcamp = "##TITLE= x\r\n##JCAMP-DXB= 5\r\n$$jcampdx 1\r\n";
  const Case cases[] = {
      {"cur.zef", "ZEF1621DRW", 10, kDrawing},
      {"old.zef", "ZEF1620DRW and more", 9, kDrawing},
      {"txt1.zef", "\"ZEF\",1,2", 8, kDrawing},
      {"txt2.zef", "ZEF,1,2", 8, kDrawing},
      {"pen.zef", "PA 1,2 \"PU\" 3,4 \"PD\" 5,6", 12, ": This is an Old Style ZEF Drawing File (PD/PU)."},
      {"pen-lower.zef", "PA \"pu\" \"PD\"", 3, kUnknown},
      // The magic tests come before the extension tests.
      {"magic.wmf", "ZEF1621DRW", 10, kDrawing},
      {"carrier.wmf", WmfWithDrawing(), 11, ": This is a Windows Metafile containing a ZEF Drawing."},
      {"carrier-upper.WMF", WmfWithDrawing(), 11, ": This is a Windows Metafile containing a ZEF Drawing."},
      {"escape-elsewhere.wmf",
       std::string("\x0F\x00", 2) + "abcdefgh" + "ZEF1620DRW", 2,
       ": This Windows Metafile does not contain a ZEF drawing."},
      {"marker-late.wmf", std::string(996, 'a') + std::string("\x0F\x00\x10\x00", 4) + "ZEF1620DRW", 2,
       ": This Windows Metafile does not contain a ZEF drawing."},
      // Marker at the fourth byte with no escape at all is no drawing either.
      {"no-escape.wmf", "abcZEF1620DRW", 2, ": This Windows Metafile does not contain a ZEF drawing."},
      {"any.emf", "ZEF1621DAT", 2, ""},
      {"obsolete.dat", "ZEF1620DAT", 4,
       " is an obsolete data file. Contact KESMO Products for a current one."},
      {"searched.dat", std::string(500, ' ') + "ZEF1621DAT", 16,
       " is a ZEF data file, and cannot be loaded as a ZEF drawing."},
      {"data-late.dat", std::string(991, ' ') + "ZEF1621DAT", 3, kUnknown},
      {"nuts.1r", std::string("\x01\x02\x03\x04\x00\x00", 6), 6, " is NUTS NMR spectrum file."},
      {"lybrics.dat", std::string("KEYSNMR\0\x01", 9), 5, " is LYBRICS NMR spectrum file."},
      {"lybrics-nozero.dat", "KEYSNMR ", 3, kUnknown},
      {"proton.jdx", jcamp, 7, ""},
      {"proton-noheader.jdx", "##TITLE= x\r\n##JCAMP-DXB= 5\r\n", 3, kUnknown},
      {"tecmag.tnt", "TNT1.005TMAG", 13, " is TECMAG NMR spectrum file."},
      {"tecmag-lower.tnt", "tnt1.005TMAG", 3, kUnknown},
      {"tecmag-jcamp.tnt", "TNT1.005TMAG" + jcamp, 7, ""},
      {"plain.txt", "hello", 3, kUnknown},
  };
  for (const Case& c : cases) {
    const std::string path = WriteTestFile(dir.File(c.name), c.bytes);
    std::string message = "stale";
    EXPECT_EQ(FileTypeDetect(path, message), c.code) << c.name;
    EXPECT_EQ(message, c.text.empty() ? "" : Decorated(path, c.text)) << c.name;
    EXPECT_EQ(ErrorLocation, 5512) << c.name;
  }
}

TEST(FileTypeDetect, EmptyFileIsReportedMissingAndKept) {
  ScratchFolder dir;
  const std::string path = WriteTestFile(dir.File("empty.dat"), "");
  std::string message;
  EXPECT_EQ(FileTypeDetect(path, message), 1);
  EXPECT_EQ(message, Decorated(path, "The file: " + path + " does not exist."));
  EXPECT_TRUE(std::filesystem::exists(path));
}

TEST(FileTypeDetect, UnreadablePathsGiveNegativeCodesAndCreateNothing) {
  ScratchFolder dir;
  std::string message;
  const std::string missing = dir.File("missing.dat");
  EXPECT_EQ(FileTypeDetect(missing, message), -53);
  EXPECT_EQ(message, Decorated(missing, "File not found"));
  EXPECT_FALSE(std::filesystem::exists(missing));

  EXPECT_EQ(FileTypeDetect(dir.path(), message), -75);
  EXPECT_EQ(message, Decorated(dir.path(), "Path/File access error"));
}

TEST(FileTypeDetect, TheBuiltDataFileIsRecognised) {
  std::string message;
  EXPECT_EQ(FileTypeDetect(KAVO71_DAT_PATH, message), 16) << message;
}

}  // namespace
