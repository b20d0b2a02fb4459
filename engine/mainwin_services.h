// What the engine uses of the simulator's main window. The main window implements this interface
// and registers it at start-up; tests register a recording fake. Without a registration a quiet
// stand-in answers (no output, Autoredraw on, 14 panel rows).
#pragma once

#include <array>
#include <cstdint>
#include <string>

class MainWindowServices {
 public:
  // Mouse pointer codes.
  static constexpr int16_t kPointerDefault = 0;
  static constexpr int16_t kPointerHourglass = 11;

  virtual ~MainWindowServices() = default;
  // Prints text on status line `line` (1 or 2) of the spectrum picture; `where` starting with
  // "R" (any case) right-aligns it, otherwise it starts at the left margin.
  virtual void MessageDisplay(const std::string& text, int16_t line, const std::string& where) = 0;
  // Redraws calculated, experimental and difference traces and the line sticks (lineCount 0: no
  // sticks), then resets gRedrawFlags.
  virtual void DrawSpectra(int16_t& lineCount, std::array<uint32_t, 4>& colors, int16_t& flag) = 0;
  // Panel row that shows parameter k (0..75); -1 for an index outside 0..75.
  virtual int16_t FrameFromPar(int16_t k) = 0;
  // Highest row index the parameter panel can show (0..13).
  virtual int16_t ParScrnMax() = 0;
  // Check mark of the Options menu item Autoredraw.
  virtual bool AutoredrawChecked() = 0;
  // Sets the Text of the parameter value box ParVal(row).
  virtual void SetParValText(int16_t row, const std::string& text) = 0;
  // Value in ppm (divided by the spectrometer MHz) when bit 0x40 of the flags is set.
  virtual double HzToPpmDisplay(double value, int32_t displayFlags) = 0;
  // Stores the value into gPointStep.
  virtual void SetPointDisplay(int16_t& value) = 0;
  // Sets the screen's mouse pointer (kPointerHourglass while busy, kPointerDefault after).
  virtual void SetMousePointer(int16_t code) = 0;
};

// Registers the main window's implementation (not owned); nullptr restores the stand-in.
void RegisterMainWindowServices(MainWindowServices* services);
// The registered implementation, or the stand-in.
MainWindowServices& MainWindow();
