#include "documents/page_bytes.h"

#include <cmath>
#include <cstring>

#include "drawlib/util/byte_copies.h"
#include "drawlib/util/error_location.h"

namespace {

// Walks the fixed part field by field, in file order; Copy moves one field either way.
template <typename Copy>
void EachFixedField(PageRec& page, Copy copy) {
  copy(&page.zoom, 4);
  copy(&page.printScale, 4);
  copy(&page.letterHeight, 4);
  copy(&page.panX, 4);
  copy(&page.panY, 4);
  copy(&page.reserved22, 2);
  copy(&page.lastFixedStep, 2);
  copy(&page.stepCount, 2);
  copy(&page.reserved28, 2);
  copy(&page.lineLength, 4);
  copy(&page.lineSpacing, 4);
  copy(&page.pageCount, 2);
  copy(&page.currentPage, 2);
  copy(&page.override42, 4);
  copy(&page.override46, 4);
  copy(page.reserved50, sizeof page.reserved50);
}

}  // namespace

PageFixedPart PageFixedBytes(const PageRec& page) {
  PageFixedPart out{};
  std::size_t at = 0;
  PageRec copyOf = page;
  EachFixedField(copyOf, [&](void* field, std::size_t n) {
    std::memcpy(out.data() + at, field, n);
    at += n;
  });
  return out;
}

void PageFixedSet(PageRec& page, const PageFixedPart& bytes) {
  std::size_t at = 0;
  EachFixedField(page, [&](void* field, std::size_t n) {
    std::memcpy(field, bytes.data() + at, n);
    at += n;
  });
  for (float* f : {&page.zoom, &page.printScale, &page.letterHeight, &page.panX, &page.panY,
                   &page.lineLength, &page.lineSpacing, &page.override42, &page.override46})
    if (!std::isfinite(*f)) *f = 0;
}

void PageToBytes(const PageRec& page, ByteArray& bytes) {
  ErrorLocation = 5561;
  const std::string tags = PageTagsPack(page);
  const std::size_t objects = page.objects.size();
  bytes = ByteArray(8 + kFheadBytes + 8 + tags.size() + 8 + objects + 4);
  int32_t pos = 0;
  Hmemcpy2Long(bytes, pos, kPktHead, kFheadBytes);
  HmemcpyInt(bytes, pos, page.flags);
  const PageFixedPart fixed = PageFixedBytes(page);
  std::memcpy(bytes.bytes.data() + pos, fixed.data(), fixed.size());
  pos += static_cast<int32_t>(fixed.size());
  Hmemcpy2Long(bytes, pos, kPktTags, static_cast<int32_t>(tags.size()));
  hmemcpyStringToByte(bytes, tags, pos);
  Hmemcpy2Long(bytes, pos, kPktObjects, static_cast<int32_t>(objects));
  if (objects > 0) std::memcpy(bytes.bytes.data() + pos, page.objects.bytes.data(), objects);
  pos += static_cast<int32_t>(objects);
  hmemcpyLongToByte(bytes, kPktPageEnd, pos);
  ErrorLocation = 5562;
}
