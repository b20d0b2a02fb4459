// Paths and folders on Linux. Paths in program text are Windows-1252; they are converted to
// UTF-8 only when the file system is asked (use NativePath).
#pragma once

#include <optional>
#include <string>
#include <string_view>

// The UTF-8 form of a Windows-1252 path for the file system.
std::string NativePath(std::string_view cp1252Path);
// A file-system path (UTF-8) in Windows-1252; nullopt when a character cannot be held.
std::optional<std::string> ProgramPath(std::string_view utf8Path);
// The message shown when a chosen path cannot be held in Windows-1252 (the path is refused,
// never silently changed).
std::string UnrepresentablePathMessage(std::string_view utf8Path);

// Splits at the last "/" (and "\" for stored paths written on Windows): folder without its
// trailing separator (a root keeps it: "/", "C:\"), and file name. Without a separator the
// folder is empty.
void PathSplit(std::string_view path, std::string& folder, std::string& file);
// Joins folder and name with one "/" (none added when the folder ends in "/" or "\"; an empty
// folder gives the name).
std::string PathJoin(std::string_view folder, std::string_view name);
// The last path component.
std::string PathFileName(std::string_view path);

bool PathExists(std::string_view path);
bool PathIsRegularFile(std::string_view path);
bool PathIsDirectory(std::string_view path);
bool PathIsWritableDirectory(std::string_view path);
// Creates the folder and its parents; true when it exists afterwards.
bool EnsureDirectory(std::string_view path);

// The program folder: the executable's folder (from /proc/self/exe), without trailing "/".
// (A folder name Windows-1252 cannot hold comes back with "?" for such characters, and the
// settings then go to the configuration folder.)
std::string ProgramFolder();
// Overrides the program folder (tests).
void SetProgramFolderForTests(std::string_view folder);
// The settings folder: the program folder when writable, else $XDG_CONFIG_HOME/kavo71
// (default ~/.config/kavo71; a relative $XDG_CONFIG_HOME is ignored), created on first use.
std::string SettingsFolder();
// The temporary folder: TEMP, then TMPDIR (absolute paths only), then /tmp; the first that exists
// and is writable.
std::string TempFolder();
// The share folder of an installed toolset: <prefix>/share/kavo71, where prefix is the program
// folder's parent.
std::string ShareFolder();
// A program data file (KAVO71.dat, help topics): in the program folder, else in the share
// folder; the program-folder path when neither has it.
std::string FindProgramFile(std::string_view name);
