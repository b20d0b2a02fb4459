// Questions and file-error messages shown to the user.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// A message box with the prompt and the given buttons (runtime style numbers) and the program's
// title; True when the answer is OK or Yes.
bool AskOK(std::string_view prompt, int16_t buttons);

// Fills `message` with the text for file error `error` (naming `fileName` where it helps). When
// error >= 2 and bit 0 of `show` is set, shows label + message + " [Error Location: " +
// Str(ErrorLocation) + "]" with OK and Cancel and the exclamation icon, and sets `show` to the
// answer (-1 for OK, 0 for Cancel). Otherwise nothing is shown and `show` is unchanged. For
// numbers without their own text, `description` (when given) or the runtime's text for that
// number is used, followed by "  Error No." + Str(error).
void FileErrorMsg(int16_t error, std::string_view label, std::string& message,
                  std::string_view fileName, int16_t& show, std::string_view description = {});

// The runtime's description of an error number ("Application-defined or object-defined error"
// for numbers it does not know).
std::string RuntimeErrorDescription(int error);

// The runtime's error number for a save to `path` that failed with the system error `err`
// (0 when not known): 76 "Path not found" when the folder does not exist, 70 "Permission
// denied" when the folder or the file may not be written, 61 when the disk is full, else 75.
int16_t SaveErrorNumber(std::string_view path, int err);
