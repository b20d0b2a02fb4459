#include "documents/page_record.h"

#include <algorithm>
#include <cmath>

#include "drawlib/device/world_window.h"
#include "drawlib/pardata.h"
#include "drawlib/steps/packed_drawing.h"
#include "drawlib/steps/step_list.h"
#include "drawlib/util/error_location.h"
#include "drawlib/util/strings.h"
#include "platform/runtime_numbers.h"

namespace {

int16_t RoundedFlags(float value) {
  int16_t out = 0;
  return TryCInt(value, out) ? out : int16_t(0);
}

// The override, or unset when the preference is within the tolerance of its reference value.
float OverrideOrUnset(float value, float reference, double tolerance) {
  return std::fabs(double(value) - double(reference)) <= tolerance ? kUnsetOverride : value;
}

int16_t mLivePage = 1;

}  // namespace

int16_t LivePageNumber() { return mLivePage; }

void LivePageNumberSet(int16_t number) { mLivePage = number > 0 ? number : int16_t(1); }

void PageNew(PageRec& page) {
  ErrorLocation = 5539;
  StepArrays empty(2);
  for (int i = 1; i <= 2; ++i) empty.StepType[size_t(i)] = kStepLabel;
  int16_t flags = kPackLong;
  page.objects = PackZEFByte(1, 2, empty, flags);
  page.flags = static_cast<int16_t>((page.flags & ~1) | RoundedFlags(Pardata[20].Default));
  page.lastFixedStep = 1;
  page.stepCount = 1;
  page.pageCount = 1;
  page.currentPage = 1;
  page.zoom = WorldWindow.zoom;
  page.printScale = Pardata[35].Default;
  page.panX = page.panY = 0;
  page.title.clear();
  page.source.clear();
  page.offset.clear();
  page.numFormat.clear();
  page.reservedText2.clear();
  page.htmlFileName.clear();
  page.html.clear();
  page.pgPosit = Str(Pardata[109].Value);
  page.drawingMarker = 0;
  page.lineLength = page.lineSpacing = kUnsetOverride;
  page.override42 = page.override46 = kUnsetOverride;
  ErrorLocation = 5540;
}

void PageCapture(PageRec& page) {
  ErrorLocation = 5543;
  const int16_t n = StepCountGet();
  int16_t flags = kPackLong;
  page.objects = PackZEFByte(1, n, StepList, flags);
  page.drawingMarker = 0;
  page.flags = static_cast<int16_t>(RoundedFlags(Pardata[20].Default) & 1);
  page.lastFixedStep = LastFixedStep;
  page.stepCount = n;
  page.zoom = WorldWindow.zoom;
  page.printScale = Pardata[35].Default;
  page.panX = WorldWindow.panX;
  page.panY = WorldWindow.panY;
  page.lineLength = OverrideOrUnset(Pardata[5].Default, Pardata[5].Current, 2.0);
  page.lineSpacing = OverrideOrUnset(Pardata[10].Default, Pardata[10].Current, double(0.1f));
  ErrorLocation = 5544;
}

void PageRestore(PageRec& page) {
  ErrorLocation = 5545;
  int16_t last = 0;
  UnPackZEFVariant(1, last, StepList, StepData(page.objects), kPackLong);
  const int16_t n = std::max<int16_t>(last, 0);
  for (int i = n + 1; i <= kStepCreateLimit; ++i) StepList.ClearStep(i);
  StepCountSet(n);
  StepList.Text[0].clear();
  StepList.X[0] = StepList.Y[0] = 0;
  page.drawingMarker = 0;
  Pardata[20].Default = float(page.flags & 1);
  LastFixedStep = std::clamp<int16_t>(page.lastFixedStep, 0, kStepCreateLimit);
  Pardata[35].Default = page.printScale;
  LivePageNumberSet(page.pageNumber);
  ErrorLocation = 5546;
}

std::string PageTagsPack(const PageRec& page) {
  std::string tags;
  const std::pair<const char*, const std::string*> optional[] = {
      {"$page-title", &page.title},        {"$page-source", &page.source},
      {"$filename", &page.fileName},       {"$page-offset", &page.offset},
      {"$page-numformat", &page.numFormat}, {"$page-finmhtml", &page.htmlFileName},
      {"$page-pgposit", &page.pgPosit}};
  for (const auto& [tag, value] : optional)
    if (!value->empty()) tags = TagSet(tags, tag, *value);
  return TagSet(tags, "$HTML", page.html);
}

void PageTagsUnpack(PageRec& page, const std::string& tags) {
  page.title = TagGet(tags, "$page-title");
  page.source = TagGet(tags, "$page-source");
  page.fileName = TagGet(tags, "$filename");
  page.offset = TagGet(tags, "$page-offset");
  page.numFormat = TagGet(tags, "$page-numformat");
  page.html = TagGet(tags, "$HTML");
  page.htmlFileName = TagGet(tags, "$page-finmhtml");
  page.pgPosit = TagGet(tags, "$page-pgposit");
}
