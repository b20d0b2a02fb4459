// The program's well-known paths, read by index, and the small state of the file layer.
#pragma once

#include <array>
#include <cstdint>
#include <string>

// Get indexes of FileLocation.
enum FileLocationSlot : int16_t {
  kLocDrawingName = 1,     // name of the current drawing ("unnamed01.zef" at first)
  kLocProgramFolder = 2,   // ends in "/"
  kLocTemplates = 3,
  kLocDefaultDrawing = 4,  // drawings folder + "unnamed01.zef"
  kLocCommandLineDrawing = 5,
  kLocSpectraFolder = 6,
  kLocDataFile = 7,
  kLocTempFolder = 8,      // ends in "/"
  kLocLastExport = 9,
};

// Set indexes of FileLocationSet (not the get indexes of the same paths).
enum FileLocationSetIndex : int16_t {
  kSetDrawingsFolder = 1,
  kSetDefaultDrawing = 2,
  kSetSpectraFolder = 6,
  kSetLastExport = 9,
};

inline constexpr int kFileLocationSlots = 9;
// Slots 1 to 9 (index 0 unused).
extern std::array<std::string, kFileLocationSlots + 1> FileLocation;
// The drawings folder, which has no get index; ends in "/" once start-up has run.
extern std::string FileDrawingsFolder;
// True when the developer test marker existed at start-up.
extern bool FileTestMarker;
// Position of "," in 3.2 formatted by the locale; the runtime's number rules never use one.
extern int16_t FileDecimalComma;

// The text of slot `index` (1 to 9); any other index gives "".
std::string FileLocationGet(int16_t index);
// Stores `value` by set index (1 drawings folder, 2 default drawing path, 6 NMR spectra folder,
// 9 last export file; others do nothing). "|SetTemFix|" stores `index` as the TemFix value,
// "|GetTemFix|" returns it. The result is `index`, or the TemFix value for "|GetTemFix|".
int16_t FileLocationSet(const std::string& value, int16_t index);

// The developer test flag (16-bit Boolean: -1 True, 0 False).
int16_t FileTestFlag();

// -1 (65535) returns the stored state value and changes nothing; any other value is stored, bit
// 0x40000 of DrawOptions is set and 0 returned.
int16_t FileStateValue(int16_t value);

// Puts every path and flag of the file layer back to its state before start-up (tests).
void FileLocationReset();
