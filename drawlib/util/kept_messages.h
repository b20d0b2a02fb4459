// Message texts of the drawing library that are kept word for word as the program has always
// shown them, the "TODO: " at their start and the misspelt "sring" included: users' notes and
// support answers quote them, so they are not to be reworded.
#pragma once

inline constexpr const char* kMsgTooManySteps = "TODO: Too many steps in UnPackZEFByte";
inline constexpr const char* kMsgPackedStringError = "TODO: Internal error in Packed sring";
inline constexpr const char* kMsgMissingChr17 =
    "TODO: Error in NMRGRAPHParseByte: missing a CHR$(17)";
// Followed by the header text and "]".
inline constexpr const char* kMsgObjHeaderErrorStart = "TODO: Error in GRAPH/SPEC header: [";
