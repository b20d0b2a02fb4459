// Start-up of the file layer: the program folder, the program data file, the command line and the
// settings file (FileInitName), then folders, preferences and the colour scheme (FileInit).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

inline constexpr const char* kDataFileName = "KAVO71.dat";
inline constexpr const char* kSettingsFileName = "KAVO71.ini";
inline constexpr const char* kTestMarkerName = "ZEF{Test}.txt";
inline constexpr const char* kFirstDrawingName = "unnamed01.zef";

// The command-line items of a program: argv[1] onwards, as Windows-1252 texts. An argument that
// Windows-1252 cannot hold is left out with a message.
std::vector<std::string> CommandLineItems(int argc, const char* const* argv);

// Sets the program paths, checks the program data file, reads the command-line items (one per
// argument) and registers the settings file, whose path is returned in iniName. Returns 1 when
// start-up may go on; 0 after the message that the data file is missing or unusable, when the
// program must end. A second call returns 1 and the same settings file without redoing anything.
int16_t FileInitName(std::string& iniName, const std::vector<std::string>& commandLine);

// Reads the folder settings, the "Preferences" section into Pardata and the current colour
// scheme. The drawing library's start-up calls it once, as FileInit of the document services.
void FileInitRun();

// Registers this subsystem's services with the drawing library (FileInit, SpecRescale); the
// program calls it before the drawing library starts.
void DocumentServicesRegister();

// Puts the file layer back to its state before start-up (tests): paths, flags, the held data file.
void FileStartupReset();
