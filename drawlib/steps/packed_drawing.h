// The byte form of a range of steps, used in drawing files, pages and on the clipboard.
//
// Short form (flag 32 clear): n (16-bit), X of the n steps, Y, type words, S (16-bit: bytes that
// follow S up to and including the end mark), n - 1, records (16-bit relative index, 16-bit
// length, bytes), end mark -1 (16-bit). Long form (flag 32 set): n (32-bit), X, Y, type words,
// the constant 13, S (32-bit), records (32-bit index and length, bytes), end mark -1 (32-bit).
// A record holds a segment step's byte array or another step's text. Little-endian throughout.
#pragma once

#include <cstdint>
#include <string>

#include "drawlib/steps/step_list.h"
#include "drawlib/util/byte_array.h"

inline constexpr int16_t kPackLong = 32;
inline constexpr int16_t kPackKeptFlags = 34;  // bits 2 and 32 survive in the caller's flags

// Packs steps first..last. A segment step without a byte array is packed, and left in the
// arrays, as a label step. Returns an empty array (after a message) when the range lies
// outside the arrays or, in the short form, a record or the section exceeds its 16-bit fields.
ByteArray PackZEFByte(int16_t first, int16_t last, StepArrays& steps, int16_t& flags);

// Unpacks into the arrays from index first on and sets last to the last step written (first - 1
// when nothing was). Returns false for a damaged or refused drawing: too many steps for the
// arrays (one empty label step at first is left), a negative step count, a truncated step block,
// or records that run past the data; steps read before the damage are kept.
bool UnPackZEFByte(int16_t first, int16_t& last, StepArrays& steps, const ByteArray& bytes,
                   int16_t flags);
// The same for a value that may hold a byte array; anything else unpacks nothing.
bool UnPackZEFVariant(int16_t first, int16_t& last, StepArrays& steps, const StepData& value,
                      int16_t flags);

// Writes, for each character of rowCodes (its code is a preference row), the row index as a
// 16-bit integer and the row's Default as a 32-bit float, at position, which moves on.
void PackParameters(const std::string& rowCodes, ByteArray& bytes, int32_t& position);
