// The private clipboard block and the embedded-drawing marker in metafile bits: the byte work
// of clipboard transfer, without the clipboard.
//
// ClipBlock: type word (2 bytes), unsigned length n (4 bytes), n data bytes, zero bytes up to
// the block's size. Little-endian.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "drawlib/steps/step_list.h"  // StepData: nothing, bytes or text

// ClipType values that ClipDataGetVariant returns besides a stored type word.
enum ClipType : uint16_t {
  kClipNothing = 0,
  kClipText = 1,
  kClipDrawing = 34,          // what this program writes: a packed drawing, long variant
  kClipSpectrumBit = 64,      // a packed spectrum object
  kClipMetafile = 8,
  kClipMetafileDrawing = 10,  // a metafile holding an embedded drawing
  kClipEnhMetafile = 40,
  kClipEnhMetafileDrawing = 42,
  kClipRefusedMetafile = 1024,
  kClipBitmap = 2048,
};
inline constexpr uint16_t kClipTextBits = 0x85;   // type-word bits that mean text
inline constexpr uint16_t kClipBytesBits = 0x37A; // otherwise these mean bytes

// The private format's name and the MIME type that carries the block bytes.
inline constexpr const char* kClipFormatName = "ZEF61-MORAV";
inline constexpr const char* kClipFormatMime = "application/x-zef61-morav";

// The rights notice of an outside supplier that, beside "ALL RIGHTS RESERVED" in a metafile's
// last 1000 bytes, makes it refused. Empty: nothing is refused.
inline constexpr std::string_view kClipSupplierNotice = "";

// The block for a text (sized for 2 bytes per character) or a byte array. Other data gives a
// zero block of 6 bytes and false.
bool ClipBlockMake(const StepData& data, uint16_t type, std::string& block);

enum class ClipBlockRead { kOk, kDamaged };
// Reads a block: the type word and, for text or byte types, the data (else nothing). A block
// under 6 bytes or whose length runs past its end is damaged and yields nothing.
ClipBlockRead ClipBlockParse(std::string_view block, uint16_t& type, StepData& data);

// True when the metafile bits carry the notice and "ALL RIGHTS RESERVED" in their last 1000
// bytes (only bits longer than 1000 bytes; never with an empty notice).
bool ClipMetafileRefused(std::string_view bits, std::string_view notice);

// Looks for the embedded-drawing marker "ZEF1620DRW" CR LF at positions 0..min(n - 30, 1000):
// a marker whose signed 16-bit length L at +24 is positive and whose bytes +26..+25+L lie in
// the bits makes bits those L bytes and returns true. Other markers are skipped.
bool ClipMetafileExtract(std::string& bits);
