// Bounds-tested copies between program values and a byte array at a running position.
//
// Every byte format of the program is read and written through these. Values are little-endian
// (Integer = int16_t, Long = int32_t, Single = float), texts one Windows-1252 byte per character
// without length or terminator. Each copy tests once, before anything is copied, that the whole
// value lies inside the array (lower bound to upper bound); when it does not, it shows
// "Internal error in <name>: bounds violation." (OK only, the program's title) and changes
// nothing: not the array, not the position, not the outputs. Reads then return 0 or blanks.
// A negative position offset, a negative length and a position + size that would not fit in 32
// bits are refused the same way.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "drawlib/util/byte_array.h"

// Writers of several values (a parameter index and its value, packet headers).
void HmemcpyIntSngl(ByteArray& bytes, int32_t& position, int16_t index, float value);
void HmemcpyInt(ByteArray& bytes, int32_t& position, int16_t value);
void Hmemcpy2Int(ByteArray& bytes, int32_t& position, int16_t a, int16_t b);
void Hmemcpy3Int(ByteArray& bytes, int32_t& position, int16_t a, int16_t b, int16_t c);
void Hmemcpy2Long(ByteArray& bytes, int32_t& position, int32_t a, int32_t b);

// Single-value writers (value before position).
void hmemcpyIntToByte(ByteArray& bytes, int16_t value, int32_t& position);
void hmemcpyLongToByte(ByteArray& bytes, int32_t value, int32_t& position);
void hmemcpyStringToByte(ByteArray& bytes, std::string_view text, int32_t& position);

// Readers.
int16_t hmemcpyByteToInt(const ByteArray& bytes, int32_t& position);
int32_t hmemcpyByteToLong(const ByteArray& bytes, int32_t& position);
float hmemcpyByteToSngl(const ByteArray& bytes, int32_t& position);
// A text of `length` characters; on a refusal `length` blanks, or an empty text when the
// length is negative or larger than the whole array (it could never fit).
std::string hmemcpyByteToString(const ByteArray& bytes, int32_t& position, int32_t length);
void hmemcpyByteTo2Int(const ByteArray& bytes, int16_t& a, int16_t& b, int32_t& position);
void hmemcpyByteTo2Long(const ByteArray& bytes, int32_t& a, int32_t& b, int32_t& position);

// True when `size` bytes starting at `position` lie inside the array (no message).
bool ByteRangeFits(const ByteArray& bytes, int64_t position, int64_t size);
