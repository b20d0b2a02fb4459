// The main window's hidden export pictures: the frame fraWMF with the scaled image imgWMF that
// holds an export's picture (never shown), and the picture holder picWMF (the bitmap drawn on, or the metafile's
// picture). The main window creates them and registers them; without them bitmap exports and
// previews are not possible.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/gdi/device.h"

class ExportPictures {
 public:
  virtual ~ExportPictures() = default;
  // A fresh picture of width x height pixels, filled with the colour, drawn at `scale` (1: one
  // picture pixel per device pixel); its device, or nullptr when the memory cannot be had.
  virtual Device* PictureBegin(int32_t width, int32_t height, double scale, uint32_t fill) = 0;
  // Ends drawing; the picture holds the image and, for a metafile, its bytes.
  virtual void PictureEnd(const std::string& metafileBytes, bool enhanced) = 0;
  // The held image encoded as "BMP", "JPG" or "PNG"; "" when there is none or it failed.
  virtual std::string PictureEncoded(const char* format) = 0;
  // The held image as a packed 24-bit DIB (rows bottom-up); empty when there is none.
  virtual std::vector<uint8_t> PictureDib() = 0;
  // The held metafile bytes.
  virtual std::string PictureMetafile() = 0;
  // With `visible` sizes the frame and its image (twips) and gives the image the held picture;
  // the frame itself never shows on the main window: an export's drawing stays off the screen.
  virtual void ShowFrame(bool visible, int32_t widthTwips, int32_t heightTwips) = 0;
  // The spectrum picture's size in twips (the preview is kept within it).
  virtual int32_t SpacePictureWidthTwips() = 0;
  virtual int32_t SpacePictureHeightTwips() = 0;
  // A device that measures text in pixels for metafile writers.
  virtual Device* MeasureDevice() = 0;
  // The hourglass pointer on or off.
  virtual void SetBusy(bool busy) = 0;
};

// Registers the pictures (not owned); nullptr removes them.
void SetExportPictures(ExportPictures* pictures);
ExportPictures* RegisteredExportPictures();
