// Devices that record a drawing as a metafile in memory: the object and state bookkeeping that
// the Windows metafile and the enhanced metafile writers share. A pen, brush or font is created
// in a free slot of the object table, selected, and the one it replaces is then deleted; setting
// the same pen, brush, font, colour or alignment again writes nothing. Text extents come from a
// measuring device, given the same font. Text is written with its own reference point and an
// alignment without the current-position flag, so that every reader places it; text drawn at
// the current position is written at that position, which then advances by the text's extent.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/gdi/device.h"

inline constexpr int32_t kMapModeAnisotropic = 8;
inline constexpr int32_t kBkModeTransparent = 1;
inline constexpr int32_t kPolyFillWinding = 2;

class MetafileWriter : public Device {
 public:
  // `measure` (not owned, may be null: extents are then 0) measures text.
  MetafileWriter(Device* measure, int32_t firstSlot);

  // Set-up of the playback device context.
  virtual void SetMapMode(int32_t mode) = 0;
  virtual void SetWindowOrg(int32_t x, int32_t y) = 0;
  virtual void SetWindowExt(int32_t cx, int32_t cy) = 0;
  virtual void SetBkMode(int32_t mode) = 0;
  virtual void SetPolyFillMode(int32_t mode) = 0;
  // Deletes the objects still in the table, ends the metafile and returns its bytes; drawing
  // after that is ignored.
  std::string Finish();

  void SetPen(int32_t width, uint32_t color) override;
  void SetNullPen() override;
  void SetBrush(bool hollow, uint32_t color) override;
  void SetFont(const GdiFont& font) override;
  void SetTextColor(uint32_t color) override;
  void MoveTo(int32_t x, int32_t y) override;
  void LineTo(int32_t x, int32_t y) override;
  void Polyline(const std::vector<GdiPoint>& points) override;
  void Polygon(const std::vector<GdiPoint>& points) override;
  void Rectangle(int32_t left, int32_t top, int32_t right, int32_t bottom) override;
  void RoundRect(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t ellipseWidth,
                 int32_t ellipseHeight) override;
  void Ellipse(int32_t left, int32_t top, int32_t right, int32_t bottom) override;
  void SetPixel(int32_t x, int32_t y, uint32_t color) override;
  void FillRect(int32_t left, int32_t top, int32_t right, int32_t bottom, uint32_t color) override;
  void SetTextAlign(uint16_t align) override;
  void TextOut(int32_t x, int32_t y, const std::string& text) override;
  GdiSize TextExtent(const std::string& text) override;
  int32_t FontAscent() override;
  int32_t CurrentPenWidth() const override { return penWidth_; }
  uint32_t CurrentPenColor() const override { return penColor_; }

 protected:
  enum class Shape : uint8_t { kRectangle, kEllipse, kRoundRect };
  // The records of one format. Slots are indexes of the object table.
  virtual void PutCreatePen(int32_t slot, bool null, int32_t width, uint32_t color) = 0;
  virtual void PutCreateBrush(int32_t slot, bool hollow, uint32_t color) = 0;
  virtual void PutCreateFont(int32_t slot, const GdiFont& font) = 0;
  virtual void PutSelect(int32_t slot) = 0;
  virtual void PutDelete(int32_t slot) = 0;
  virtual void PutTextColor(uint32_t color) = 0;
  virtual void PutTextAlign(uint16_t align) = 0;
  virtual void PutMoveTo(int32_t x, int32_t y) = 0;
  virtual void PutLineTo(int32_t x, int32_t y) = 0;
  virtual void PutPoly(const std::vector<GdiPoint>& points, bool closed) = 0;
  virtual void PutShape(Shape shape, int32_t left, int32_t top, int32_t right, int32_t bottom,
                        int32_t ellipseWidth, int32_t ellipseHeight) = 0;
  virtual void PutPixel(int32_t x, int32_t y, uint32_t color) = 0;
  virtual void PutText(int32_t x, int32_t y, const std::string& text) = 0;
  // Ends the record stream and returns the complete file bytes.
  virtual std::string PutEnd() = 0;

  bool finished() const { return finished_; }
  // The most slots in use at once (the object count of the header).
  int32_t SlotsUsed() const { return static_cast<int32_t>(slots_.size()); }
  const GdiFont& font() const { return gdiFont_; }
  // The text alignment as written (without the current-position flag).
  uint16_t textAlign() const { return writtenAlign_ == 0xFFFF ? 0 : writtenAlign_; }

 private:
  int32_t NewSlot();
  // Creates the object through `create`, selects it and deletes `current`'s object.
  template <class Create>
  void Replace(int32_t& current, Create create);
  void EnsurePenAndBrush();

  Device* measure_;
  int32_t firstSlot_;
  std::vector<bool> slots_;  // in use, from firstSlot_
  int32_t pen_ = -1, brush_ = -1, font_ = -1;  // selected slots
  int32_t penWidth_ = 1;
  uint32_t penColor_ = 0;
  bool penNull_ = false;
  bool brushHollow_ = true;
  uint32_t brushColor_ = 0xFFFFFF;
  GdiFont gdiFont_;
  uint32_t textColor_ = 0;
  bool textColorSet_ = false;
  uint16_t textAlign_ = 0xFFFF;     // as the drawing asked for it
  uint16_t writtenAlign_ = 0xFFFF;  // as written: never with the current-position flag
  // The current position, kept here because text is written at its own reference point; after
  // text at the current position, the position readers hold is set again before the next line.
  GdiPoint current_;
  bool currentMoved_ = false;
  bool finished_ = false;
};
