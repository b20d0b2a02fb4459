// The enhanced metafile writer: records the drawing as 32-bit metafile records in memory and
// returns the file bytes, with a header that states the bounds, the frame (0.01 mm), the
// reference device in pixels and millimetres and a UTF-16LE description. Its window extent is
// also written as the viewport extent, so that readers which do not map the frame draw the
// picture at its size in reference pixels.
#pragma once

#include <cstdint>
#include <string>

#include "platform/gdi/metafile_writer.h"

struct EmfHeaderInfo {
  int32_t frameRight = 0, frameBottom = 0;  // frame from (0, 0), 0.01 mm
  int32_t devicePixelsX = 0, devicePixelsY = 0;  // the reference device
  int32_t deviceMmX = 0, deviceMmY = 0;
  std::string description;  // Windows-1252, its NULs included
};

class EmfWriter final : public MetafileWriter {
 public:
  EmfWriter(Device* measure, const EmfHeaderInfo& info);

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
  void Begin(uint32_t type, size_t bytes);
  void Record(uint32_t type, std::initializer_list<int32_t> values);
  void Grow(int32_t x, int32_t y);  // widens the bounds
  void GrowByPen(int32_t left, int32_t top, int32_t right, int32_t bottom);

  EmfHeaderInfo info_;
  std::string records_;
  uint32_t count_ = 0;
  bool anything_ = false;
  GdiPoint at_;  // where the last move or line ended
  int32_t boundsLeft_ = 0, boundsTop_ = 0, boundsRight_ = 0, boundsBottom_ = 0;
};
