// Applying changed preferences to the rest of the library.
#pragma once

#include <cstdint>
#include <string>

// Mode bits: 8 validate the row's Default and store it, 4 apply it to the library, 1 do not
// query the printer while applying the print scale (row 35).
inline constexpr int16_t kApplyValidate = 8;
inline constexpr int16_t kApplyToLibrary = 4;
inline constexpr int16_t kApplyNoPrinter = 1;

// Each character's code is a preference row index; codes beyond the table are ignored.
void ParamsApply(const std::string& rowCodes, int16_t& mode);

struct WorldRect {
  float left = 0, top = 0, right = 0, bottom = 0;
};
// The printable area and the paper of the printed page, centred on the origin, in world units
// divided by the print scale; set when row 35 is applied.
extern WorldRect PrintableRect;
extern WorldRect PaperRect;

// Half a Letter page (215.9 by 279.4 mm) in world units, used when no printer size is known.
inline constexpr double kLetterHalfWidth = 4339.590082359314;
inline constexpr double kLetterHalfHeight = 5615.940106582641;
