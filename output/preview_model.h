// The print preview's form state and its rules without widgets: the zoom of the page picture,
// the page frame drawn over the drawing, dragging the frame (move) or its corner square (print
// scale), the 2 % scale steps, a typed scale, applying the dragged offset to the drawing, the
// print request and the saved setup. World units throughout (Y upward).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct PreviewState {
  int16_t orientation = 0;  // 1 landscape, 0 portrait (mirrors preference 20)
  float savedScale = 0;     // print scale when the dialog was shown; Cancel restores it
  int16_t dragMode = 0;     // 0 none, 1 resize (corner square), 2 move
  float lastX = 0, lastY = 0;
  float offsetX = 0, offsetY = 0;  // page frame moved against the drawing, not yet applied
  int16_t handleSize = 0;          // half side of the corner square
  bool scaleEditing = false;       // the scale box has the focus: Enter does not close
};

inline constexpr int16_t kDragNone = 0;
inline constexpr int16_t kDragResize = 1;
inline constexpr int16_t kDragMove = 2;

// Basic palette colours of the frame.
inline constexpr int16_t kFrameColour = 3;
inline constexpr int16_t kPrintableColour = 7;

struct FrameShape {
  float left = 0, top = 0, right = 0, bottom = 0;
  int16_t colour = 0;
  bool filled = false;
};

// The zoom that shows 0.3 of the picture height per half page side; 1 when the page has no size.
float PreviewZoom(float pictureHeightTwips);
// Integer of 50 / zoom (at least 1).
int16_t HandleSizeFor(float zoom);
// The print scale in force, never 0, negative or not finite (the row's built-in value then).
float SafePrintScale();

// The shapes of the page frame at the state's offset: the paper less the margins, the printable
// area when the paper is wider, the corner square and the drawing-name marker.
std::vector<FrameShape> PageFrameShapes(const PreviewState& s);

// The dialog's shown state: orientation from preference 20, offset 0, scale saved.
void PreviewActivate(PreviewState& s);
// Preference 20 := the state's orientation, page rectangles recomputed.
void PreviewApplyOrientation(const PreviewState& s);

// Mouse down: resize inside the corner square, else move.
void PreviewMouseDown(PreviewState& s, float x, float y);
// Mouse move while dragging; true when the frame or scale changed. A resize keeps the scale
// within preference 35's limits and ignores points at or left of the square's size.
bool PreviewMouseMove(PreviewState& s, float x, float y);
void PreviewMouseUp(PreviewState& s);

// Buttons 9 (up) and 10 (down): the scale times or divided by 1.02, held within the limits.
void PreviewScaleStep(bool up);
// Enter in the scale box: a value within the limits becomes the scale (true); any other value
// leaves the scale as it was (false).
bool PreviewScaleTyped(const std::string& text);
// The scale as the box shows it ("0.000").
std::string PreviewScaleText();

// Shifts the drawing by minus the offset and the saved view by plus it; the offset becomes 0.
void PreviewApplyOffset(PreviewState& s);
// Cancel: the saved scale comes back; an unapplied offset is dropped.
void PreviewCancel(PreviewState& s);

// Pages per sheet for the first selected of the four choices (1, 2, 4, 6).
int16_t PagesPerSheet(int16_t choice);
struct PageRange {
  int16_t from = 1, to = 1;
};
// choice 0 current page, 1 all pages, 2 typed range (clamped to 1..pageCount, to >= from).
PageRange PrintPageRange(int16_t choice, int16_t perSheet, int16_t currentPage,
                         int16_t pageCount, const std::string& fromText,
                         const std::string& toText);
// "Print <" + Str(from) + "-" + Str(to) + ">" + Str(perSheet) + "]".
std::string PrintRequestTag(const PageRange& range, int16_t perSheet);

// The "Preferences" keys and values of Save Setup (orientation, scale, drawing name, black on
// white), and the write of them.
std::vector<std::pair<std::string, std::string>> PreviewSetupEntries();
bool PreviewSaveSetup();

// The print request read back from a returned tag.
struct PrintRequest {
  bool print = false;
  int16_t from = 0, to = 0, perSheet = 1;
};
PrintRequest ParsePrintRequest(const std::string& tag);
// What the print command does with the request: print the current page when it lies in the
// range; the message first when several pages per sheet were asked for ("" otherwise).
struct PrintDecision {
  bool printCurrentPage = false;
  std::string message;
};
PrintDecision DecidePrint(const PrintRequest& request, int16_t currentPage);
inline constexpr const char* kSeveralPerSheetMessage =
    "Printing several pages per sheet is not supported: the current page is printed on one "
    "sheet.";
