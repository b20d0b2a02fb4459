// The converter's process-wide state: the raster, the DIB read back from it, the palette image
// and the metafile player's objects, saved states, position, mapping, colours and modes. Every
// export opens an EncoderSession, which resets it all to the defaults on entry and releases it
// on every way out, so no conversion sees what an earlier one left. The session holds one
// process-wide lock for its whole life: calls from several threads wait for each other and run
// one conversion at a time.
#pragma once

#include <gd.h>

#include <cstdint>
#include <mutex>
#include <vector>

#include "platform/gdi/metafile_player.h"

struct EncoderState {
  gdImagePtr raster = nullptr;        // truecolor
  std::vector<uint8_t> dib;           // the raster as a packed 24-bit DIB
  gdImagePtr paletteImage = nullptr;  // what the GIF is written from
  MetafilePlaybackState player;

  // Destroys the images and returns everything to its defaults.
  void Release();
};

EncoderState& Encoder();

std::mutex& EncoderLock();

class EncoderSession {
 public:
  EncoderSession() : lock_(EncoderLock()) { Encoder().Release(); }
  ~EncoderSession() { Encoder().Release(); }
  EncoderSession(const EncoderSession&) = delete;
  EncoderSession& operator=(const EncoderSession&) = delete;

 private:
  std::lock_guard<std::mutex> lock_;  // released after the state (members go last)
};
