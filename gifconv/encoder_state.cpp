#include "gifconv/encoder_state.h"

void EncoderState::Release() {
  if (raster) gdImageDestroy(raster);
  if (paletteImage) gdImageDestroy(paletteImage);
  raster = paletteImage = nullptr;
  std::vector<uint8_t>().swap(dib);
  player.Reset();
}

EncoderState& Encoder() {
  static EncoderState state;
  return state;
}

std::mutex& EncoderLock() {
  static std::mutex lock;
  return lock;
}
