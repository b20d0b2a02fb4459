// What the drawing library needs of the printer: its set-up, which stores the printed page's
// sizes. The output subsystem implements PrinterControl and registers it at start-up; until
// then PrinterSetup reports no printer.
#pragma once

#include <cstdint>

class PrinterControl {
 public:
  virtual ~PrinterControl() = default;
  // Returns the printer's device context (0: no printer) and stores the printer page sizes.
  virtual int32_t PrinterSetup(int16_t& options) = 0;
};

// Registers the printer control (not owned); nullptr removes it.
void SetPrinterControl(PrinterControl* control);
int32_t PrinterSetup(int16_t& options);

// The option word with which the preferences query the printer.
inline constexpr int16_t kPrinterSetupQuery = 63;

// Printer page sizes in world units, 0 until PrinterSetup has stored them.
struct PrinterPageSizes {
  int32_t paperWidth = 0;
  int32_t paperHeight = 0;
  int32_t printableWidth = 0;
  int32_t printableHeight = 0;
};
extern PrinterPageSizes PrinterPage;

// Twips to world units (40.2 / 56.7).
inline constexpr float kTwipsToWorld = 0.7089947f;

// True when a w by h shape agrees with the print direction of row 20 (portrait w < h,
// landscape w > h).
bool PageIsLandscape(float w, float h);
