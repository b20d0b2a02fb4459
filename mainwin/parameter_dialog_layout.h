// Where the parameter dialog frmDataEntry puts its controls, in twips, without any widget: one
// cell per parameter in a grid of columns (frame, check box, name and value or multiplicity
// list), and for the strongly coupled spin types the shifts and couplings as a triangular matrix
// above the grid. The sizes are the design sizes of the controls.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "drawlib/util/form_position.h"
#include "engine/engine_globals.h"

// Design sizes (twips).
inline constexpr int32_t kCellFrameWidth = 1815;   // Shape3
inline constexpr int32_t kCellFrameHeight = 435;
inline constexpr int32_t kCellGap = 45;            // frame size + gap = cell pitch
inline constexpr int32_t kDialogMinWidth = 8580;
inline constexpr int32_t kDialogButtonWidth = 1215;
inline constexpr int32_t kDialogButtonHeight = 375;
// The window frame around the client area (borders and caption): the layout's width and
// height are the window's outer size.
inline constexpr int32_t kDialogFrameWidth = 90;
inline constexpr int32_t kDialogFrameHeight = 435;

// The multiplicity list, list index 0..10.
inline constexpr std::array<const char*, 11> kMultiplicityNames = {
    "Singlet", "Doublet", "Triplet", "Quartet", "Pentet", "Sextet",
    "Septet",  "Octet",   "Nonet",   "1:1:1 t", "1:1:1:1 q"};
inline constexpr int16_t kMultiplicityMax = 10;

// The controls of one parameter. A parameter of the matrix has only a check box and a value.
struct ParCellLayout {
  bool placed = false;        // the parameter has controls in the dialog
  bool inMatrix = false;
  bool multiplicity = false;  // a list (Combo1) instead of a value label (ParVal)
  bool red = false;           // a coupling of the matrix: value and check box in bright red
  TwipsRect frame;            // Shape3 (grid cells)
  TwipsRect check;            // check1
  TwipsRect name;             // ParName (grid cells)
  TwipsRect value;            // ParVal or Combo1; the edit box txtCurrPV covers ParVal
  std::string valueText;      // ParVal's caption
  int16_t listIndex = 0;      // Combo1's list index
};

// A text printed on the dialog (the matrix's headings), at its top-left corner.
struct DialogText {
  int32_t left = 0, top = 0;
  std::string text;
};

struct ParameterDialogInput {
  int16_t simType = 0;
  std::string order;  // the type's parameter order text, trimmed
  int16_t lastPar = 0;
  int16_t numSpins = 0;  // gNumSpinMarks
  std::array<SpinRec, kSpinSlots> spins{};
  std::array<SimParRec, kSimParCount> pars{};
};

struct ParameterDialogLayout {
  std::array<ParCellLayout, kSimParCount> cells{};
  bool matrix = false;
  TwipsRect matrixHeader;  // Shape1
  TwipsRect matrixBody;    // Shape2
  std::vector<DialogText> texts;
  int16_t columns = 3;
  int16_t firstGridPosition = 0;  // order position (0-based) of the first grid cell
  int32_t gridTop = 300;
  std::array<TwipsRect, 4> buttons{};  // Command3D1 0..3
  int32_t width = kDialogMinWidth;     // the window's outer size
  int32_t height = 0;
};

// The number of couplings among k + 1 spins for k = 1..7; any other k beeps and gives 0.
int16_t CouplingCount(int16_t k);

// The dialog for the input's type.
ParameterDialogLayout LayoutParameterDialog(const ParameterDialogInput& in);
// The matrix part for n spins (nothing for n < 2): frames, cells of parameters 0 .. n +
// CouplingCount(n - 1) - 1 and the headings.
void CouplingMatrixLayout(int16_t n, const ParameterDialogInput& in, ParameterDialogLayout& out);

// The input from the current type (gSimType, its record's order text, gSimPar, gSpinMarks).
ParameterDialogInput CurrentParameterDialogInput();
