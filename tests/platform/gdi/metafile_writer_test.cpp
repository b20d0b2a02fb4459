#include <gtest/gtest.h>

#include <algorithm>

#include "platform/byte_writer.h"
#include "platform/gdi/emf_reader.h"
#include "platform/gdi/emf_writer.h"
#include "platform/gdi/metafile_player.h"
#include "platform/gdi/recording_device.h"
#include "platform/gdi/wmf_reader.h"
#include "platform/gdi/wmf_writer.h"

namespace {

using Lines = std::vector<std::string>;

std::span<const uint8_t> Span(const std::string& s) {
  return {reinterpret_cast<const uint8_t*>(s.data()), s.size()};
}

uint32_t U32(const std::string& s, size_t at) {
  return uint32_t(GetU16(s, at)) | (uint32_t(GetU16(s, at + 2)) << 16);
}

// One drawing of every kind of call, the same on both writers.
void DrawSample(MetafileWriter& w) {
  w.SetMapMode(kMapModeAnisotropic);
  w.SetWindowOrg(0, 0);
  w.SetWindowExt(200, 100);
  w.SetBkMode(kBkModeTransparent);
  w.SetPolyFillMode(kPolyFillWinding);
  w.FillRect(0, 0, 200, 100, 0x00C0FFEE);
  w.SetPen(3, 0x000000FF);
  w.SetPen(3, 0x000000FF);  // the same pen again: nothing written
  w.SetBrush(true, 0xFFFFFF);
  w.MoveTo(10, 10);
  w.LineTo(190, 10);
  w.Polyline({{10, 20}, {50, 60}, {90, 20}});
  w.SetPen(1, 0x00008000);
  w.SetBrush(false, 0x00FF0000);
  w.Polygon({{100, 20}, {150, 60}, {120, 80}});
  w.Rectangle(5, 5, 195, 95);
  w.Ellipse(20, 30, 40, 50);
  w.RoundRect(60, 70, 90, 90, 6, 4);
  w.SetPixel(1, 2, 0x00123456);
  GdiFont font;
  font.height = -14;
  font.weight = 700;
  w.SetFont(font);
  w.SetTextColor(0x00404040);
  w.SetTextAlign(kTextAlignBaseline);
  w.TextOut(30, 90, "Hz");
}

// Played one to one: a Windows metafile leaves the viewport to the player, so it gets the
// window's extent, as the enhanced metafile states it.
Lines Played(MetafilePicture picture) {
  if (!picture.enhanced) {
    MetaCommand viewport;
    viewport.op = MetaOp::kSetViewportExt;
    viewport.p1 = {200, 100};
    auto at = std::find_if(picture.commands.begin(), picture.commands.end(),
                           [](const MetaCommand& c) { return c.op == MetaOp::kSetWindowExt; });
    if (at != picture.commands.end()) ++at;
    picture.commands.insert(at, viewport);
  }
  RecordingDevice device;
  MetafilePlaybackState state;
  PlayMetafile(picture, state, device);
  Lines calls;
  for (const char* prefix : {"Pen", "Brush", "FillRect", "MoveTo", "LineTo", "Polyline", "Polygon",
                             "Rectangle", "Ellipse", "RoundRect", "Pixel", "Text"})
    for (const std::string& c : device.Calls(prefix)) calls.push_back(c);
  return calls;
}

}  // namespace

TEST(MetafileWriter, PlaceableHeaderHoldsTheBoxAndTheXorOfItsFirstTenWords) {
  const std::string h = PlaceableHeaderBytes({0, 0, 100, 50, 1440});
  ASSERT_EQ(h.size(), 22u);
  EXPECT_EQ(U32(h, 0), 0x9AC6CDD7u);
  EXPECT_EQ(GetU16(h, 10), 100);
  EXPECT_EQ(GetU16(h, 12), 50);
  EXPECT_EQ(GetU16(h, 14), 1440);
  // 0xCDD7 ^ 0x9AC6 ^ 100 ^ 50 ^ 1440, worked out by hand.
  EXPECT_EQ(GetU16(h, 20), 0x52E7);
  EXPECT_EQ(PlaceableHeaderChecksum(reinterpret_cast<const uint8_t*>(h.data())), 0x52E7);
}

TEST(MetafileWriter, WindowsMetafileReadsBackWithItsHeaderAndObjectsDeleted) {
  WmfWriter w(nullptr, {0, 0, 200, 100, 600});
  DrawSample(w);
  const std::string bytes = w.Finish();
  const auto box = ReadPlaceableHeader(Span(bytes));
  ASSERT_TRUE(box);
  EXPECT_EQ(box->right, 200);
  EXPECT_EQ(box->bottom, 100);
  EXPECT_EQ(box->unitsPerInch, 600);
  // The standard header: memory metafile, 9 words, version 3, its size in words.
  EXPECT_EQ(GetU16(bytes, 22), 1);
  EXPECT_EQ(GetU16(bytes, 24), 9);
  EXPECT_EQ(GetU16(bytes, 26), 0x0300);
  EXPECT_EQ(U32(bytes, 28) * 2, bytes.size() - 22);
  // The last record is the end record.
  EXPECT_EQ(U32(bytes, bytes.size() - 6), 3u);
  EXPECT_EQ(GetU16(bytes, bytes.size() - 2), 0);

  const auto picture = ReadWindowsMetafile(Span(bytes).subspan(22));
  ASSERT_TRUE(picture);
  int created = 0, deleted = 0;
  for (const MetaCommand& c : picture->commands) {
    created += c.op == MetaOp::kCreatePen || c.op == MetaOp::kCreateBrush ||
               c.op == MetaOp::kCreateFont;
    deleted += c.op == MetaOp::kDeleteObject;
  }
  EXPECT_EQ(created, deleted);
}

TEST(MetafileWriter, EnhancedMetafileHeaderStatesFrameDeviceAndDescription) {
  EmfHeaderInfo info;
  info.frameRight = 5080;
  info.frameBottom = 2540;
  info.devicePixelsX = 5100;
  info.devicePixelsY = 6600;
  info.deviceMmX = 216;
  info.deviceMmY = 279;
  info.description = std::string("App\0Title\0\0", 11);
  EmfWriter w(nullptr, info);
  DrawSample(w);
  const std::string bytes = w.Finish();
  EXPECT_EQ(U32(bytes, 0), 1u);
  EXPECT_EQ(U32(bytes, 40), 0x464D4520u);
  EXPECT_EQ(U32(bytes, 48), bytes.size());
  EXPECT_EQ(U32(bytes, 24), 0u);
  EXPECT_EQ(U32(bytes, 32), 5080u);
  EXPECT_EQ(U32(bytes, 36), 2540u);
  EXPECT_EQ(U32(bytes, 72), 5100u);
  EXPECT_EQ(U32(bytes, 76), 6600u);
  EXPECT_EQ(U32(bytes, 80), 216u);
  EXPECT_EQ(U32(bytes, 84), 279u);
  EXPECT_EQ(U32(bytes, 100), 216000u);  // micrometres
  // The description: 11 UTF-16LE characters at offset 108, three of them NUL.
  ASSERT_EQ(U32(bytes, 60), 11u);
  ASSERT_EQ(U32(bytes, 64), 108u);
  std::string described;
  for (size_t i = 0; i < 11; ++i) described.push_back(char(GetU16(bytes, 108 + 2 * i)));
  EXPECT_EQ(described, info.description);
  // Bounds: what was drawn, in reference pixels.
  const auto bounds = ReadEmfBounds(Span(bytes));
  ASSERT_TRUE(bounds);
  EXPECT_EQ(bounds->left, 0);
  EXPECT_EQ(bounds->right, 201);
  EXPECT_EQ(bounds->bottom, 101);
  ASSERT_TRUE(ReadEnhancedMetafile(Span(bytes)));
}

TEST(MetafileWriter, BothFormatsPlayTheSameDrawing) {
  WmfWriter wmf(nullptr, {0, 0, 200, 100, 600});
  DrawSample(wmf);
  EmfHeaderInfo info;
  info.frameRight = 100;
  info.frameBottom = 50;
  info.devicePixelsX = info.devicePixelsY = 200;
  info.deviceMmX = info.deviceMmY = 100;
  EmfWriter emf(nullptr, info);
  DrawSample(emf);
  const std::string w = wmf.Finish(), e = emf.Finish();
  const auto pw = ReadWindowsMetafile(Span(w).subspan(22));
  const auto pe = ReadEnhancedMetafile(Span(e));
  ASSERT_TRUE(pw && pe);
  const Lines played = Played(*pw);
  EXPECT_EQ(played, Played(*pe));
  for (const char* expected :
       {"MoveTo 10 10", "LineTo 190 10", "Polyline 3: 10 20 50 60 90 20",
        "Polygon 3: 100 20 150 60 120 80", "Rectangle 5 5 195 95", "Ellipse 20 30 40 50",
        "Rectangle 0 0 201 101", "Pen null", "Pen 3 #0000FF", "Brush #C0FFEE",
        "RoundRect 60 70 90 90 6 4", "Pixel 1 2 #123456", "Text 30 90 Hz"})
    EXPECT_NE(std::find(played.begin(), played.end(), expected), played.end()) << expected;
}

TEST(MetafileWriter, DrawingAfterFinishIsIgnored) {
  WmfWriter w(nullptr, {0, 0, 10, 10, 96});
  const std::string first = w.Finish();
  w.LineTo(5, 5);
  EXPECT_EQ(w.Finish(), "");
  EXPECT_TRUE(ReadWindowsMetafile(Span(first).subspan(22)));
}

// The bounds take in the cells of the glyphs, not only the text's reference points: a title
// set on its baseline at the top reaches up by its ascent, "ppm" at the bottom down by its
// descent, a turned label along its turned cell, and a wide line by half its width.
TEST(MetafileWriter, EnhancedMetafileBoundsTakeInEveryGlyphAndPen) {
  RecordingDevice measure;  // cell: height h, ascent 4h/5, h/2 per character
  struct Case {
    const char* what;
    GdiFont font;
    uint16_t align;
    GdiPoint at;
    const char* text;
    EmfRect expected;  // left, top, right, bottom
  };
  GdiFont plain;
  plain.height = -20;
  GdiFont turned = plain;
  turned.escapement = 900;  // reads upward
  const Case cases[] = {
      {"title on its baseline", plain, kTextAlignBaseline, {40, 30}, "Title", {40, 14, 90, 34}},
      {"descender at the bottom", plain, kTextAlignBaseline, {60, 90}, "ppm", {60, 74, 90, 94}},
      {"at the current position", plain, kTextAlignBaseline | kTextAlignUpdateCP, {0, 0}, "Hz",
       {10, 34, 30, 54}},
      {"turned upward", turned, kTextAlignBaseline, {20, 80}, "Axis", {4, 40, 24, 80}},
  };
  for (const Case& c : cases) {
    EmfHeaderInfo info;
    info.frameRight = info.frameBottom = 1000;
    EmfWriter w(&measure, info);
    w.SetFont(c.font);
    w.SetTextAlign(c.align);
    w.MoveTo(10, 50);
    w.TextOut(c.at.x, c.at.y, c.text);
    const std::string bytes = w.Finish();
    const auto bounds = ReadEmfBounds(Span(bytes));
    ASSERT_TRUE(bounds) << c.what;
    EXPECT_EQ(bounds->left, c.expected.left) << c.what;
    EXPECT_EQ(bounds->top, c.expected.top) << c.what;
    EXPECT_EQ(bounds->right, c.expected.right) << c.what;
    EXPECT_EQ(bounds->bottom, c.expected.bottom) << c.what;
  }
  EmfHeaderInfo info;
  EmfWriter w(&measure, info);
  w.SetPen(9, 0);
  w.MoveTo(10, 10);
  w.LineTo(100, 10);
  const auto bounds = ReadEmfBounds(Span(w.Finish()));
  ASSERT_TRUE(bounds);
  EXPECT_EQ(bounds->left, 6);
  EXPECT_EQ(bounds->top, 6);
  EXPECT_EQ(bounds->right, 104);
  EXPECT_EQ(bounds->bottom, 14);
}
