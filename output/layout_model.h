// The spectrum layout dialog's rules without widgets: the box sizes in millimetres, the print
// list and spectrometer frequency applied to the current type, where the parameter check boxes
// go, the identifying text of a dropped parameter, and the label font's number and height.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A size box read (decimal comma accepted) and held within 20..1000 mm.
struct BoxSize {
  std::string text;      // Str(Int(mm))
  float worldUnits = 0;  // mm x 40.2
  bool red = false;      // larger than the paper at the current print scale
};
// paperWorld: the paper's width (or height) in world units, as the print set-up keeps it.
BoxSize BoxSizeCheck(const std::string& text, float paperWorld);
// The text "Full" puts in a size box: the whole millimetres that fit on the paper at the print
// scale (the box shows whole millimetres, and a size cut to them still fits).
std::string FullBoxSizeText(float paperWorld, float printScale);

// The MHz box takes keys and is applied unless the type is 0 or line fitting is on.
bool MHzEditable(int16_t simType, bool lineFit);

struct LayoutInput {
  std::vector<bool> printChecked;  // parameter boxes 0..last
  std::string widthText, heightText, mhzText;
  // False for a size box the user left as it opened: its size keeps its exact value (the box
  // shows whole millimetres of it).
  bool widthEdited = true, heightEdited = true;
};
// Stores the print list of the current type, the box sizes and (where editable) the MHz,
// held within 1..1000. A type outside 0..44 changes nothing; false then.
bool LayoutApplyValues(const LayoutInput& in);

// The print list as characters 48 + index of the checked boxes, in the type's panel order
// (its order text, as the plot lists them) and any checked box that order lacks after them in
// index order.
std::string PrintListOf(const std::vector<bool>& checked, const std::string& order);
bool PrintListHas(const std::string& printList, int index);

// Twips placement of parameter box i from the design boxes 0..4 (their left edges) and box 0's
// top; rows of five, 300 twips apart.
struct BoxPlace {
  float left = 0, top = 0;
};
inline constexpr float kParamRowStep = 300;
BoxPlace ParamBoxPlace(int index, const float (&designLefts)[5], float firstTop);
// How much the parameter frame grows for the type's last parameter index.
float ParamFrameGrowth(int lastPar);

// The drag of a parameter box starts once the mouse is more than 200 twips (x plus y distance)
// from where the button went down.
inline constexpr float kDragThresholdTwips = 200;
bool DragStarts(float downX, float downY, float x, float y);
// name = 12.50 [Par: 3]
std::string DroppedParamIdText(const std::string& name, float value, int index);

// The font number for a family chosen in the font dialog, by the family's kind: sans 3,
// serif 4, monospaced, symbol and anything else 5.
int16_t FontNumberForFamily(const std::string& family);
// Label height (mm) to points and back (2.835 x 1.43 points per mm).
float HeightToPoints(float heightMM);
float PointsToHeight(float points);
// The font dialog's size limits.
inline constexpr int kFontPointsMin = 5;
inline constexpr int kFontPointsMax = 20;
// Stores the chosen font: preference 9, the library's font-name table, "Font Definitions" and
// the two "Preferences" keys (font number and height).
void LayoutFontStore(const std::string& family, float points);
