#include "platform/gdi/metafile_player.h"

#include <gtest/gtest.h>

#include <bit>

#include "platform/gdi/emf_reader.h"
#include "platform/gdi/recording_device.h"
#include "platform/gdi/wmf_reader.h"
#include "tests/support/metafile_builder.h"

namespace {

std::span<const uint8_t> Span(const std::string& s) {
  return {reinterpret_cast<const uint8_t*>(s.data()), s.size()};
}

// The device calls of a Windows metafile played from the default state.
std::vector<std::string> PlayWmf(const WmfBuilder& b, const std::string& prefix) {
  const std::string bytes = b.Standard();
  const auto picture = ReadWindowsMetafile(Span(bytes));
  EXPECT_TRUE(picture);
  RecordingDevice device;
  MetafilePlaybackState state;
  if (picture) PlayMetafile(*picture, state, device);
  return device.Calls(prefix);
}

using Lines = std::vector<std::string>;

}  // namespace

TEST(MetafilePlayer, MapModesOriginsAndExtents) {
  struct Case {
    const char* name;
    WmfBuilder b;
    const char* expected;
  };
  Case cases[] = {
      {"text", WmfBuilder(), "Rectangle 10 20 30 40"},
      {"anisotropic", WmfBuilder().SetMapMode(8).SetWindowOrg(10, 0).SetWindowExt(200, 100)
                          .SetViewportExt(100, -50).SetViewportOrg(5, 60),
       "Rectangle 5 40 15 50"},
      {"isotropic keeps the smaller scale",
       WmfBuilder().SetMapMode(7).SetWindowExt(100, 100).SetViewportExt(200, -50),
       "Rectangle 5 -20 15 -10"},
      {"low metric: 0.1 mm, Y upward", WmfBuilder().SetMapMode(2), "Rectangle 4 -15 11 -8"},
      {"extents do not count in fixed modes",
       WmfBuilder().SetMapMode(6).SetWindowExt(1, 1).SetViewportExt(1000, 1000),
       "Rectangle 1 -3 2 -1"},
      {"zero extents are refused",
       WmfBuilder().SetMapMode(8).SetWindowExt(0, 5).SetViewportExt(2, 2),
       "Rectangle 20 40 60 80"},
  };
  for (Case& c : cases) {
    SCOPED_TRACE(c.name);
    c.b.Rectangle(10, 20, 30, 40);
    EXPECT_EQ(PlayWmf(c.b, "Rectangle"), Lines{c.expected});
  }
}

TEST(MetafilePlayer, ObjectTableSavedStatesAndStockObjects) {
  WmfBuilder b;
  b.CreatePen(0, 2, 0x0000FF).CreatePen(0, 3, 0x00FF00).CreatePen(5, 0, 0);  // slots 0, 1, 2
  b.Select(1).Delete(1).CreatePen(0, 4, 0xFF0000);  // the new pen takes slot 1
  b.Select(0).LineTo(1, 1).Select(1).LineTo(2, 2).Select(2).LineTo(3, 3);
  b.Select(0).SaveDc().Select(1).SaveDc().Select(2).RestoreDc(-2).LineTo(4, 4);
  b.RestoreDc(5).Delete(0).Select(0).LineTo(5, 5);  // out of range and deleted: no change
  EXPECT_EQ(PlayWmf(b, "Pen"),
            (Lines{"Pen 2 #0000FF", "Pen 4 #FF0000", "Pen null", "Pen 2 #0000FF",
                   "Pen 2 #0000FF"}));

  EmfBuilder e;
  e.CreatePen(3, 0, 5, 0x123456).Select(3).LineTo(1, 1).Select(0x80000008).LineTo(2, 2);
  e.Select(0x80000005).Rectangle(0, 0, 4, 4).Select(0x80000004).Ellipse(0, 0, 4, 4);
  const std::string bytes = e.Bytes(0, 0, 10, 10);
  const auto picture = ReadEnhancedMetafile(Span(bytes));
  ASSERT_TRUE(picture);
  RecordingDevice device;
  MetafilePlaybackState state;
  PlayMetafile(*picture, state, device, FrameOntoRect(*picture, 0, 0, 10, 10));
  EXPECT_EQ(device.Calls("Pen"), (Lines{"Pen 5 #123456", "Pen null", "Pen null", "Pen null"}));
  EXPECT_EQ(device.Calls("Brush"), (Lines{"Brush hollow", "Brush #000000"}));
}

TEST(MetafilePlayer, TextAlignmentCurrentPositionAndOpaqueBackground) {
  // The recording device's cells: half the height wide per character, ascent 4/5 of 20 = 16.
  struct Case {
    const char* name;
    int align;
    Lines expected;
  };
  const Case cases[] = {
      {"top left (the default)", 0, {"Text 100 66 ab"}},
      {"baseline", 24, {"Text 100 50 ab"}},
      {"bottom right", 8 | 2, {"Text 80 46 ab"}},
      {"centre", 6 | 24, {"Text 90 50 ab"}},
      {"update the current position", 1 | 24, {"Text 7 8 ab", "Text 27 8 ab"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WmfBuilder b;
    b.CreateFont(20, 0, 400, false, false, "Arial").Select(0).SetBkMode(1).MoveTo(7, 8);
    b.SetTextAlign(c.align).TextOut(100, 50, "ab");
    if (c.align & 1) b.ExtTextOut(0, 0, "ab");
    EXPECT_EQ(PlayWmf(b, "Text "), c.expected);
  }
  WmfBuilder opaque;
  opaque.CreateFont(-20, 0, 700, true, false, "Symbol").Select(0).SetBkColor(0x00FFFF);
  opaque.SetTextAlign(24).TextOut(10, 30, "xy");
  EXPECT_EQ(PlayWmf(opaque, "FillRect"), Lines{"FillRect 10 14 30 34 #00FFFF"});
  EXPECT_EQ(PlayWmf(opaque, "Font"), Lines{"Font Symbol -20 0 700 i"});
}

// The same records in both formats give the same device calls.
TEST(MetafilePlayer, BothFormatsDecodeEveryDrawingRecord) {
  const std::vector<BuilderPoint> tri{{1, 2}, {30, 4}, {5, 40}};
  WmfBuilder w;
  w.SetMapMode(8).SetWindowExt(100, 100).SetViewportExt(200, 200).SetViewportOrg(1, 1);
  w.SetPolyFillMode(2).SetTextColor(0x0000FF).SetBkMode(1).CreateBrush(0, 0x00FF00).Select(0);
  w.Polyline(tri).PolyPolygon({tri, {{7, 7}, {9, 9}, {7, 9}}}).RoundRect(1, 2, 30, 40, 6, 8);
  w.SetPixel(3, 4, 0x123456).SaveDc().SetViewportOrg(50, 50).RestoreDc(-1).MoveTo(1, 1);
  w.LineTo(2, 3).SetTextAlign(24).ExtTextOut(10, 20, "Hi");
  EmfBuilder e;
  e.SetMapMode(8).SetWindowExt(100, 100).SetViewportExt(200, 200).SetViewportOrg(1, 1);
  e.Record(19, {2}).SetTextColor(0x0000FF).SetBkMode(1).CreateBrush(1, 0, 0x00FF00).Select(1);
  e.Poly(87, tri).PolyPolygon16({tri, {{7, 7}, {9, 9}, {7, 9}}});
  e.Record(44, {1, 2, 30, 40, 6, 8});
  e.SetPixel(3, 4, 0x123456).SaveDc().SetViewportOrg(50, 50).RestoreDc(-1).MoveTo(1, 1);
  e.LineTo(2, 3).SetTextAlign(24).ExtTextOutW(10, 20, u"Hi");

  const std::string wmf = w.Standard(), emf = e.Bytes(0, 0, 100, 100);
  const auto a = ReadWindowsMetafile(Span(wmf));
  const auto b = ReadEnhancedMetafile(Span(emf));
  ASSERT_TRUE(a && b);
  RecordingDevice da, db;
  MetafilePlaybackState sa, sb;
  PlayMetafile(*a, sa, da);
  PlayMetafile(*b, sb, db);  // the frame is not used: played as it stands
  EXPECT_EQ(da.log, db.log);
  EXPECT_EQ(da.Calls("Polyline"), Lines{"Polyline 3: 3 5 61 9 11 81"});
  EXPECT_EQ(da.Count("Polygon"), 2u);
  EXPECT_EQ(da.Calls("RoundRect"), Lines{"RoundRect 3 5 61 81 12 16"});
  EXPECT_EQ(da.Calls("Pixel"), Lines{"Pixel 7 9 #123456"});
  EXPECT_EQ(da.Calls("LineTo"), Lines{"LineTo 5 7"});
  EXPECT_EQ(da.Calls("Text "), Lines{"Text 21 41 Hi"});
}

// 8-bit text is read in its font's character set; wide text as it is, with its advances.
TEST(MetafilePlayer, TextByCharacterSetAndAdvances) {
  struct Case {
    const char* name;
    uint8_t charset;
    std::string bytes;
    const char* expected;  // UTF-8
  };
  const Case cases[] = {
      {"Western: the device's own code", 0, "\xe4", "\xe4"},
      {"Eastern Europe", 238, "\x9a\xb9", "\xc5\xa1\xc4\x85"},  // š ą
      {"Cyrillic", 204, "\xc6", "\xd0\x96"},                 // Ж
      {"Greek", 161, "\xe4\xed", "\xce\xb4\xce\xbd"},        // δ ν
      {"Turkish", 162, "\xf0", "\xc4\x9f"},                  // ğ
      {"Hebrew", 177, "\xe0", "\xd7\x90"},                   // א
      {"Arabic", 178, "\xc7", "\xd8\xa7"},                   // ا
      {"Baltic", 186, "\xe0", "\xc4\x85"},                   // ą
      {"Vietnamese", 163, "\xd0", "\xc4\x90"},               // Đ
      {"Symbol: byte codes as they are", 2, "ab", "ab"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WmfBuilder b;
    b.CreateFont(20, 0, 400, false, false, c.charset == 2 ? "Symbol" : "Arial", c.charset);
    b.Select(0).SetBkMode(1).SetTextAlign(24).TextOut(10, 50, c.bytes);
    EXPECT_EQ(PlayWmf(b, "Text "), Lines{std::string("Text 10 50 ") + c.expected});
  }
  EmfBuilder e;
  e.SetBkMode(1).SetTextAlign(24).ExtTextOutW(10, 50, u"\u03b4\u03bd", {7, 9});
  e.ExtTextOutW(10, 80, u"\uf061");  // a symbol font's private code: its byte
  const std::string bytes = e.Bytes(0, 0, 100, 100);
  const auto picture = ReadEnhancedMetafile(Span(bytes));
  ASSERT_TRUE(picture);
  RecordingDevice device;
  MetafilePlaybackState state;
  PlayMetafile(*picture, state, device);
  EXPECT_EQ(device.Calls("Text "), (Lines{"Text 10 50 \xce\xb4\xce\xbd", "Text 10 80 a"}));
  EXPECT_EQ(device.Calls("Advances"), Lines{"Advances 7 9"});
}

// Window and viewport offsets and scales, and the world transform, move the points.
TEST(MetafilePlayer, OffsetsScalesAndWorldTransforms) {
  auto played = [](EmfBuilder& e) {
    e.Rectangle(10, 20, 30, 40);
    const std::string bytes = e.Bytes(0, 0, 100, 100);
    const auto picture = ReadEnhancedMetafile(Span(bytes));
    RecordingDevice device;
    MetafilePlaybackState state;
    if (picture) PlayMetafile(*picture, state, device);
    return device.Calls("Rectangle");
  };
  auto bits = [](float f) { return int64_t(std::bit_cast<uint32_t>(f)); };
  struct Case {
    const char* name;
    EmfBuilder b;
    const char* expected;
  };
  Case cases[] = {
      {"viewport scaled by 3/2 and 1/2",
       EmfBuilder().SetMapMode(8).SetWindowExt(100, 100).SetViewportExt(100, 100)
           .Record(31, {3, 2, 1, 2}),
       "Rectangle 15 10 45 20"},
      {"scaling by a zero denominator is refused",
       EmfBuilder().SetMapMode(8).Record(32, {1, 0, 1, 0}), "Rectangle 10 20 30 40"},
      {"world scaled twice, then moved (right multiplication)",
       EmfBuilder().Record(35, {bits(2), 0, 0, bits(2), 0, 0})
           .Record(36, {bits(1), 0, 0, bits(1), bits(5), bits(0), 3}),
       "Rectangle 25 40 65 80"},
      {"moved, then scaled (left multiplication)",
       EmfBuilder().Record(35, {bits(2), 0, 0, bits(2), 0, 0})
           .Record(36, {bits(1), 0, 0, bits(1), bits(5), bits(0), 2}),
       "Rectangle 30 40 70 80"},
      {"a singular transform is refused", EmfBuilder().Record(35, {0, 0, 0, 0, 0, 0}),
       "Rectangle 10 20 30 40"},
  };
  for (Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(played(c.b), Lines{c.expected});
  }
}
