// The Windows metafile writer: records the drawing as 16-bit metafile records in memory and
// returns a placeable metafile file (the 22-byte placeable header, then the standard metafile).
#pragma once

#include <cstdint>
#include <string>

#include "platform/gdi/metafile_writer.h"

struct PlaceableBox {
  int16_t left = 0, top = 0, right = 0, bottom = 0;
  uint16_t unitsPerInch = 1440;
};

// The checksum of a placeable header: the XOR of its first ten 16-bit words.
uint16_t PlaceableHeaderChecksum(const uint8_t header[22]);
// The 22 bytes of a placeable header for the box, its checksum included.
std::string PlaceableHeaderBytes(const PlaceableBox& box);

class WmfWriter final : public MetafileWriter {
 public:
  WmfWriter(Device* measure, const PlaceableBox& box);

  void SetMapMode(int32_t mode) override;
  void SetWindowOrg(int32_t x, int32_t y) override;
  void SetWindowExt(int32_t cx, int32_t cy) override;
  void SetBkMode(int32_t mode) override;
  void SetPolyFillMode(int32_t mode) override;

 protected:
  void PutCreatePen(int32_t slot, bool null, int32_t width, uint32_t color) override;
  void PutCreateBrush(int32_t slot, bool hollow, uint32_t color) override;
  void PutCreateFont(int32_t slot, const GdiFont& font) override;
  void PutSelect(int32_t slot) override;
  void PutDelete(int32_t slot) override;
  void PutTextColor(uint32_t color) override;
  void PutTextAlign(uint16_t align) override;
  void PutMoveTo(int32_t x, int32_t y) override;
  void PutLineTo(int32_t x, int32_t y) override;
  void PutPoly(const std::vector<GdiPoint>& points, bool closed) override;
  void PutShape(Shape shape, int32_t left, int32_t top, int32_t right, int32_t bottom,
                int32_t ellipseWidth, int32_t ellipseHeight) override;
  void PutPixel(int32_t x, int32_t y, uint32_t color) override;
  void PutText(int32_t x, int32_t y, const std::string& text) override;
  std::string PutEnd() override;

 private:
  // Starts a record of `words` 16-bit words (the 3-word size and function included).
  void Begin(uint16_t function, size_t words);
  void Word(int32_t v);  // a 16-bit coordinate or value, limited to the 16-bit range

  PlaceableBox box_;
  std::string records_;
  uint32_t maxRecordWords_ = 3;
};
