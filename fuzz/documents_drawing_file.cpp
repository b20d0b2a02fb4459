// Arbitrary bytes as a drawing file: what loads saves and reloads as the same pages.
#include <cstdint>
#include <string>
#include <string_view>

#include "documents/drawing_file.h"
#include "documents/page_bytes.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/silent_boxes.h"

namespace {

bool TagsSafe(const PageRec& p) {
  for (const std::string* v : {&p.title, &p.source, &p.fileName, &p.offset, &p.numFormat,
                               &p.htmlFileName, &p.pgPosit, &p.html})
    if (v->find('<') != std::string::npos) return false;
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static SilentBoxes boxes;
  SetMsgBoxHandler(&boxes);
  const std::string file = std::string(kDrawingMagic) +
                           std::string(reinterpret_cast<const char*>(data), size);
  PageArray first;
  if (DrawingFileParse(first, file, "fuzz.zef", 0) != 0 || first.size() < 2) return 0;
  const auto count = static_cast<int16_t>(first.size() - 1);
  FuzzCheck(first[1].pageCount == count, "page 1 counts the pages read");
  PageArray again;
  FuzzCheck(DrawingFileParse(again, DrawingFileBytes(first, 1, count), "fuzz.zef", 0) == 0,
            "a saved drawing loads");
  FuzzCheck(again.size() == first.size(), "the same number of pages");
  for (std::size_t p = 1; p < first.size(); ++p) {
    FuzzCheck(again[p].flags == first[p].flags, "same flags");
    FuzzCheck(PageFixedBytes(again[p]) == PageFixedBytes(first[p]), "same page header");
    FuzzCheck(again[p].objects.bytes == first[p].objects.bytes, "same objects");
    if (TagsSafe(first[p])) FuzzCheck(PageTagsPack(again[p]) == PageTagsPack(first[p]), "same tags");
  }
  return 0;
}
