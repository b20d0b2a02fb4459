// The help context numbers the simulator uses: the Help menu's topics, the help popups of the
// main window's controls, and the help buttons of the dialogs. 0 means no help.
#pragma once

#include <cstdint>

namespace HelpContextIds {
inline constexpr int32_t kContents = 70;
inline constexpr int32_t kCapabilities = 72;
inline constexpr int32_t kSimulation = 74;
inline constexpr int32_t kLineFitting = 76;
inline constexpr int32_t kPrinting = 78;        // also "Print preview/setup ...", layout dialog
inline constexpr int32_t kOptions = 80;         // also the Options menu
inline constexpr int32_t kParameters = 82;      // also "&Parameters ..." and its dialog
inline constexpr int32_t kSaveRestore = 84;     // SimSave, SimRestore, the step buttons
inline constexpr int32_t kIncrement = 100;      // increment frame, box and ribbons
inline constexpr int32_t kParValue = 102;       // parameter value boxes
inline constexpr int32_t kParStep = 103;        // plus and minus buttons
inline constexpr int32_t kParSign = 104;        // sign buttons
inline constexpr int32_t kParFrame = 105;       // parameter frames
inline constexpr int32_t kHeightButtons = 106;  // toolbar 0, 1, 11, 12
inline constexpr int32_t kMoveButtons = 107;    // toolbar 2, 3
inline constexpr int32_t kZoomButtons = 108;    // toolbar 4, 5
inline constexpr int32_t kStepSize = 109;       // toolbar 8
inline constexpr int32_t kFullWidth = 110;      // toolbar 6
inline constexpr int32_t kRedraw = 111;         // toolbar 7, 9
inline constexpr int32_t kStickFull = 112;      // toolbar 10
inline constexpr int32_t kDifference = 113;     // difference toggle
inline constexpr int32_t kSpectrumType = 120;   // the "Spectrum" type button
inline constexpr int32_t kFrequency = 150;      // frequency labels and Enter buttons
inline constexpr int32_t kErrorList = 160;
inline constexpr int32_t kDragHandles = 170;
inline constexpr int32_t kParDialogButtons = 250;
inline constexpr int32_t kExportFrames = 520;
inline constexpr int32_t kQuitFitting = 999;
inline constexpr int32_t kExport = 1920;
inline constexpr int32_t kSimulationEditor = 2210;
inline constexpr int32_t kExportDialog = 5971;
}  // namespace HelpContextIds
