// A drawing written as a placeable metafile and as an enhanced metafile converts to the same
// pixels as the drawing made straight on the raster device.
#include <gtest/gtest.h>

#include "gifconv/corvid32.h"
#include "gifconv/raster_device.h"
#include "tests/gifconv/gif_helpers.h"
#include "tests/support/scratch_folder.h"

namespace {

constexpr int kWidth = 192, kHeight = 96;

// What the drawing needs, so that one drawing goes to the device and to both writers.
class Sink {
 public:
  virtual ~Sink() = default;
  virtual void Pen(int width, uint32_t color) = 0;
  virtual void Brush(uint32_t color) = 0;
  virtual void Font(int height, int escapement) = 0;
  virtual void TextColor(uint32_t color) = 0;
  virtual void Line(int x0, int y0, int x1, int y1) = 0;
  virtual void Polygon(const std::vector<BuilderPoint>& points) = 0;
  virtual void Ellipse(int l, int t, int r, int b) = 0;
  virtual void Text(int x, int y, const std::string& text) = 0;
};

void Draw(Sink& s) {
  s.Pen(1, 0x000000);
  s.Line(5, 5, 180, 5);
  s.Line(5, 5, 5, 90);
  s.Pen(3, 0x0000FF);
  s.Line(10, 80, 100, 20);
  s.Pen(1, 0x800000);
  s.Brush(0x00C000);
  s.Polygon({{110, 10}, {185, 30}, {150, 85}});
  s.Brush(0xFFFF00);
  s.Ellipse(20, 30, 90, 70);
  s.Font(-20, 450);
  s.TextColor(0x0000C0);
  s.Text(100, 90, "Kavo");
}

class DeviceSink : public Sink {
 public:
  explicit DeviceSink(Device& d) : d_(d) { d_.SetTextAlign(kTextAlignBaseline); }
  void Pen(int width, uint32_t color) override { d_.SetPen(width, color); }
  void Brush(uint32_t color) override { d_.SetBrush(false, color); }
  void Font(int height, int escapement) override {
    GdiFont f;
    f.height = height;
    f.escapement = escapement;
    d_.SetFont(f);
  }
  void TextColor(uint32_t color) override { d_.SetTextColor(color); }
  void Line(int x0, int y0, int x1, int y1) override {
    d_.MoveTo(x0, y0);
    d_.LineTo(x1, y1);
  }
  void Polygon(const std::vector<BuilderPoint>& points) override {
    std::vector<GdiPoint> p;
    for (const BuilderPoint& q : points) p.push_back({q.x, q.y});
    d_.Polygon(p);
  }
  void Ellipse(int l, int t, int r, int b) override { d_.Ellipse(l, t, r, b); }
  void Text(int x, int y, const std::string& text) override { d_.TextOut(x, y, text); }

 private:
  Device& d_;
};

// Both writers select each new object and delete the one it replaces.
template <typename Builder>
class WriterSink : public Sink {
 public:
  explicit WriterSink(Builder& b) : b_(b) {
    b_.SetBkMode(1).SetTextAlign(24);
  }
  void Pen(int width, uint32_t color) override {
    const int slot = NewSlot();
    if constexpr (std::is_same_v<Builder, WmfBuilder>) b_.CreatePen(0, width, color);
    else b_.CreatePen(slot, 0, width, color);
    Use(slot, pen_);
  }
  void Brush(uint32_t color) override {
    const int slot = NewSlot();
    if constexpr (std::is_same_v<Builder, WmfBuilder>) b_.CreateBrush(0, color);
    else b_.CreateBrush(slot, 0, color);
    Use(slot, brush_);
  }
  void Font(int height, int escapement) override {
    const int slot = NewSlot();
    if constexpr (std::is_same_v<Builder, WmfBuilder>)
      b_.CreateFont(height, escapement, 400, false, false, "Arial");
    else b_.CreateFont(slot, height, escapement, 400, false, false, "Arial");
    Use(slot, font_);
  }
  void TextColor(uint32_t color) override { b_.SetTextColor(color); }
  void Line(int x0, int y0, int x1, int y1) override { b_.MoveTo(x0, y0).LineTo(x1, y1); }
  void Polygon(const std::vector<BuilderPoint>& points) override {
    if constexpr (std::is_same_v<Builder, WmfBuilder>) b_.Polygon(points);
    else b_.Poly(86, points);
  }
  void Ellipse(int l, int t, int r, int b) override { b_.Ellipse(l, t, r, b); }
  void Text(int x, int y, const std::string& text) override {
    if constexpr (std::is_same_v<Builder, WmfBuilder>) b_.TextOut(x, y, text);
    else b_.ExtTextOutW(x, y, std::u16string(text.begin(), text.end()));
  }

 private:
  // The Windows metafile fills the lowest free slot; the enhanced one counts from 1.
  int NewSlot() {
    const size_t first = std::is_same_v<Builder, WmfBuilder> ? 0 : 1;
    size_t i = first;
    while (i < used_.size() && used_[i]) ++i;
    if (i >= used_.size()) used_.resize(i + 1);
    used_[i] = true;
    return int(i);
  }
  void Use(int slot, int& current) {
    b_.Select(uint32_t(slot));
    if (current >= 0) {
      b_.Delete(current);
      used_[size_t(current)] = false;
    }
    current = slot;
  }
  Builder& b_;
  std::vector<bool> used_;
  int pen_ = -1, brush_ = -1, font_ = -1;
};

}  // namespace

TEST(DrawingMatch, MetafilesConvertToThePixelsOfTheDirectDrawing) {
  gdImagePtr raster = gdImageCreateTrueColor(kWidth, kHeight);
  GdRasterDevice device(raster);
  device.FillRect(0, 0, kWidth, kHeight, 0xFFFFFF);
  DeviceSink direct(device);
  Draw(direct);

  WmfBuilder wmf;
  wmf.SetWindowOrg(0, 0).SetWindowExt(kWidth, kHeight);
  WriterSink<WmfBuilder> wmfSink(wmf);
  Draw(wmfSink);
  EmfBuilder emf;
  WriterSink<EmfBuilder> emfSink(emf);
  Draw(emfSink);

  ScratchFolder dir;
  const std::pair<const char*, std::string> files[] = {
      {"placeable", wmf.Placeable(0, 0, kWidth, kHeight, 96)},
      {"enhanced", emf.Bytes(0, 0, kWidth, kHeight)}};
  for (const auto& [name, bytes] : files) {
    SCOPED_TRACE(name);
    const std::string in = dir.File(std::string(name) + ".mf"), gif = dir.File("out.gif");
    WriteAll(in, bytes);
    ASSERT_EQ(Corvid(in.c_str(), gif.c_str(), 100, 100), 1);
    const DecodedGif out = DecodeGif(gif);
    ASSERT_EQ(out.width, kWidth);
    ASSERT_EQ(out.height, kHeight);
    int textPixels = 0, mismatches = 0;
    for (int y = 0; y < kHeight; ++y) {
      for (int x = 0; x < kWidth; ++x) {
        mismatches += out.At(x, y) != device.GetPixel(x, y);
        textPixels += out.At(x, y) == 0x0000C0;
      }
    }
    EXPECT_EQ(mismatches, 0);
    EXPECT_EQ(out.At(100, 5), 0x000000u);   // line
    EXPECT_EQ(out.At(55, 50), 0xFFFF00u);   // ellipse
    EXPECT_EQ(out.At(150, 40), 0x00C000u);  // polygon
    EXPECT_EQ(out.At(55, 50 - 21), 0xFFFFFFu);
    EXPECT_GT(textPixels, 40);  // rotated text, in its colour only
  }
  gdImageDestroy(raster);
}
