// Qt's GIF reader, another program's reader, takes every kind of output: size, transparency
// and probe pixels as written.
#include <QImage>
#include <QImageReader>
#include <gtest/gtest.h>

#include <functional>

#include "gifconv/corvid32.h"
#include "tests/gifconv/gif_helpers.h"
#include "tests/support/scratch_folder.h"

namespace {

struct Probe {
  int x, y;
  QColor color;  // alpha 0: transparent
};

WmfBuilder Drawing() {
  WmfBuilder b;
  b.SetWindowExt(100, 50).CreatePen(0, 2, 0x000000).CreateBrush(0, 0x0000FF).Select(0).Select(1);
  b.Ellipse(10, 10, 50, 40).CreateFont(-16, 300, 700, false, true, "Times New Roman").Select(2);
  b.SetBkMode(1).SetTextColor(0x008000).TextOut(60, 10, "NMR");
  return b;
}

}  // namespace

TEST(QtReadsGifs, EveryOutputKind) {
  ScratchFolder dir;
  const std::string wmf = dir.File("d.wmf"), emf = dir.File("d.emf");
  WriteAll(wmf, Drawing().Placeable(0, 0, 100, 50, 96));
  WriteAll(emf, EmfBuilder().CreateBrush(1, 0, 0x00FFFF).Select(1).Rectangle(5, 5, 30, 20)
                    .Bytes(0, 0, 40, 25));
  const std::string dib = MakeDib(2, 2, 8, {0x0000FF, 0x00FF00}, std::string("\0\1\0\0\1\0\0\0", 8));
  const CorvidHandle bitmap{CORVID_OBJ_BITMAP, dib.data(), dib.size()};
  const CorvidRect rect{0, 0, 20, 10};
  const QColor clear(0, 0, 0, 0);

  struct Case {
    const char* name;
    std::function<int32_t(const char*)> convert;
    int width, height;
    bool transparent;
    std::vector<Probe> probes;
  };
  const Case cases[] = {
      {"placeable, opaque", [&](const char* g) { return Corvid(wmf.c_str(), g, 100, 100); }, 100,
       50, false, {{1, 1, Qt::white}, {30, 25, QColor(255, 0, 0)}}},
      {"placeable, transparent and interlaced",
       [&](const char* g) {
         return CorvidEx(wmf.c_str(), g, 200, 200, FLAG_TRANSPARENT | FLAG_INTERLACE, 0);
       },
       200, 100, true, {{1, 1, clear}, {60, 50, QColor(255, 0, 0)}}},
      {"enhanced on a coloured background",
       [&](const char* g) { return CorvidEx(emf.c_str(), g, 100, 100, FLAG_BACKGROUND_COLOR, 0x808080); },
       40, 25, false, {{1, 1, QColor(128, 128, 128)}, {10, 10, QColor(255, 255, 0)}}},
      {"bitmap with no white: a transparent index no pixel uses",
       [&](const char* g) { return CorvidPic(&bitmap, g, &rect, FLAG_TRANSPARENT, 0); }, 20, 10,
       true, {{0, 0, QColor(0, 255, 0)}, {19, 9, QColor(0, 255, 0)}, {0, 9, QColor(255, 0, 0)}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string gif = dir.File("out.gif");
    ASSERT_EQ(c.convert(gif.c_str()), 1);
    QImageReader reader(QString::fromStdString(gif));
    EXPECT_EQ(reader.format(), "gif");
    const QImage image = reader.read();
    ASSERT_FALSE(image.isNull()) << reader.errorString().toStdString();
    EXPECT_EQ(image.size(), QSize(c.width, c.height));
    EXPECT_EQ(image.hasAlphaChannel(), c.transparent);
    for (const Probe& p : c.probes) {
      const QColor got = image.pixelColor(p.x, p.y);
      if (p.color.alpha() == 0) EXPECT_EQ(got.alpha(), 0) << p.x << "," << p.y;
      else EXPECT_EQ(got.rgb(), p.color.rgb()) << p.x << "," << p.y;
    }
  }
}
