#include "drawlib/steps/step_list.h"

#include "drawlib/util/error_location.h"
#include "drawlib/util/geometry.h"
#include "platform/msgbox.h"

StepListRec StepList;
StepArrays StepListAux(kStepListAuxUBound);
int16_t StepCount = 0;
int16_t LastFixedStep = 0;
PenPositionRec PenPosition;

void StepArrays::Resize(int upperBound) {
  const size_t n = upperBound < 0 ? 0 : size_t(upperBound) + 1;
  X.resize(n);
  Y.resize(n);
  StepType.resize(n);
  Text.resize(n);
  Data.resize(n);
}

void StepArrays::ClearStep(int i) {
  X[i] = Y[i] = 0.0f;
  StepType[i] = 0;
  Text[i].clear();
  Data[i] = std::monostate{};
}

namespace {

// An attribute word of a drawn line or path point.
bool IsDrawnPoint(uint16_t type) { return type >= 1 && type <= 0x7FFF; }

}  // namespace

int16_t StepCreate(uint16_t type, float x, float y, const std::string& text,
                   const StepData& data) {
  ErrorLocation = 4041;
  if (StepCount + 1 < 1500) {
    const int i = ++StepCount;
    StepList.StepType[i] = type;
    StepList.X[i] = x;
    StepList.Y[i] = y;
    StepList.Text[i] = text;
    StepList.Data[i] = data;
    StepList.StepBox[i].flags = 0;
  }
  ErrorLocation = 4042;
  return StepCount;
}

int16_t StepAddPoint(float /*startX*/, float /*startY*/, float x, float y, uint16_t attrib) {
  const int n = StepCount;
  PenPosition = {x, y};
  const bool drawnBefore = IsDrawnPoint(StepList.StepType[n]);
  // A drawn point is never overwritten; a protected step neither, except a single first step
  // that is only a move.
  const bool mustAppend = drawnBefore || (LastFixedStep >= n && n != 1);
  if (!StepList.Text[n].empty() || IsDrawnPoint(attrib) || mustAppend) {
    const int16_t count = StepCreate(attrib, x, y, "", std::monostate{});
    // Only a drawn point fixes the list: consecutive moves after it collapse into one step.
    if (IsDrawnPoint(attrib) || count == kStepCreateLimit) LastFixedStep = count;
  } else {
    StepList.X[n] = x;
    StepList.Y[n] = y;
  }
  return StepCount;
}

int16_t StepCountGet() { return StepCount; }

void StepCountSet(int16_t count) {
  if (count < 0) count = 0;
  if (count > kStepListUBound) count = kStepListUBound;
  StepCount = count;
}

void StepShift(int16_t index, float dx, float dy) {
  if (index < 0 || index > kStepListUBound) return;
  StepList.X[index] += dx;
  StepList.Y[index] += dy;
}

void StepsShift(int16_t first, float dx, float dy) {
  for (int i = first < 0 ? 0 : first; i <= StepCount; ++i) StepShift(int16_t(i), dx, dy);
}

bool FunMarkPointinRect(std::vector<int16_t>& marks, float x1, float y1, float x2, float y2,
                        int16_t margin) {
  if (marks.empty()) return false;
  marks[0] = 0;
  if (StepCount > static_cast<int>(marks.size()) - 1) {
    MsgBox("Internal Error in FunMarkPointinRect - InBox dimension too low. Operation failed.",
           vbCritical, "");
    return false;
  }
  const float left = x1 - margin, right = x2 + margin;
  const float bottom = y1 - margin, top = y2 + margin;
  bool any = false;
  for (int i = 1; i <= StepCount; ++i) {
    const bool inside = PointInRect(StepList.X[i], StepList.Y[i], left, bottom, right, top);
    marks[i] = inside ? 1 : 0;
    any = any || inside;
  }
  return any;
}

void StepListReset() {
  StepList = StepListRec{};
  StepListAux = StepArrays(kStepListAuxUBound);
  StepCount = 0;
  LastFixedStep = 0;
  PenPosition = {};
}
