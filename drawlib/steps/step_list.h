// The drawing's display list: numbered steps, each a point with a type word and optionally a
// label text or a segment of bytes. Line drawing appends points, labels and spectrum objects are
// steps of special types, and every output replays the list.
#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "drawlib/util/byte_array.h"

// Type words besides attribute words (1 to 0x7FFF) and 0 (a move without drawing).
inline constexpr uint16_t kStepLabel = 0xFFFF;
inline constexpr uint16_t kStepSegmentA = 0xFFFE;
inline constexpr uint16_t kStepSpectrum = 0xFFFC;
inline constexpr uint16_t kStepSegmentB = 0xFFF8;
inline bool IsSegmentType(uint16_t type) {
  return type == kStepSegmentA || type == kStepSpectrum || type == kStepSegmentB;
}

// A step's data: nothing, a byte array (segment bytes) or a text.
using StepData = std::variant<std::monostate, ByteArray, std::string>;

// Five parallel arrays indexed from 0; index 0 is never a step.
struct StepArrays {
  std::vector<float> X, Y;
  std::vector<uint16_t> StepType;
  std::vector<std::string> Text;
  std::vector<StepData> Data;

  explicit StepArrays(int upperBound = -1) { Resize(upperBound); }
  void Resize(int upperBound);
  int UBound() const { return static_cast<int>(X.size()) - 1; }
  void ClearStep(int i);
};

struct StepBoxRec {
  int16_t flags = 0;  // 16: drawn
  float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

inline constexpr int kStepListUBound = 1515;
inline constexpr int kStepListAuxUBound = 1500;
inline constexpr int16_t kStepCreateLimit = 1499;

struct StepListRec : StepArrays {
  std::vector<StepBoxRec> StepBox;
  StepListRec() : StepArrays(kStepListUBound), StepBox(kStepListUBound + 1) {}
};

extern StepListRec StepList;   // the drawing
extern StepArrays StepListAux; // a scratch drawing for the group editor's clipboard copies
extern int16_t StepCount;
extern int16_t LastFixedStep;  // the highest step a following move must not overwrite
struct PenPositionRec {
  float x = 0, y = 0;
};
extern PenPositionRec PenPosition;

// Appends a step while fewer than 1499 steps exist; returns StepCount afterwards.
int16_t StepCreate(uint16_t type, float x, float y, const std::string& text, const StepData& data);
// Records a line end point (a >= 1 drawn, 0 a move); returns StepCount.
int16_t StepAddPoint(float startX, float startY, float x, float y, uint16_t attrib);
int16_t StepCountGet();
void StepCountSet(int16_t count);
// Moves one step (an index outside the list is ignored) or every step from first to StepCount.
void StepShift(int16_t index, float dx, float dy);
void StepsShift(int16_t first, float dx, float dy);
// marks(i) = 1 for each step 1..StepCount whose point lies strictly inside the rectangle widened
// by the margin, else 0; marks(0) = 0. True when any step lies inside. Refuses a marks array
// shorter than the list.
bool FunMarkPointinRect(std::vector<int16_t>& marks, float x1, float y1, float x2, float y2,
                        int16_t margin);

// Empties the step lists and their counters (tests).
void StepListReset();
