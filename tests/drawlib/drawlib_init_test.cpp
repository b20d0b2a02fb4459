#include "drawlib/drawlib_init.h"

#include <cmath>
#include <vector>

#include "drawlib/color_scheme.h"
#include "drawlib/device/output_object.h"
#include "drawlib/device/world_window.h"
#include "drawlib/document_services.h"
#include "tests/drawlib/drawlib_state.h"

namespace {

class FakePicture : public OutputObject {
 public:
  void SetForeColor(uint32_t rgb) override { fore = rgb; }
  void SetBackColor(uint32_t rgb) override { back = rgb; }
  void SetDrawStyle(int16_t s) override { style = s; }
  void SetDrawMode(int16_t m) override { mode = m; }
  uint32_t fore = 1, back = 1;
  int16_t style = -1, mode = -1;
};

// The file start-up as the documents provide it: loads the current colour scheme and sees the
// preference table already built.
class FakeDocuments : public DocumentServices {
 public:
  FakeDocuments() { SetDocumentServices(this); }
  ~FakeDocuments() override { SetDocumentServices(nullptr); }
  void FileInit() override {
    tableBuiltFirst = Pardata[35].Name == "Print Scale:";
    ColorSchemeLoadCurrent();
  }
  void SpecRescale(ByteArray&, std::string&, float, float) override {}
  bool tableBuiltFirst = false;
};

using DrawLibInitTest = DrawlibState;

TEST_F(DrawLibInitTest, StartsTableSchemeAndScreenInOrder) {
  DrawLibReset();
  WorldWindow.zoom = 3;
  OutputFlags = 0;
  FakeDocuments documents;
  FakePicture picture;
  DrawLibInit(&picture);
  EXPECT_TRUE(documents.tableBuiltFirst);
  EXPECT_EQ(picture.back, RGBColor(255, 255, 255));
  EXPECT_EQ(picture.fore, 0u);
  EXPECT_EQ(picture.style, 0);
  EXPECT_EQ(picture.mode, 13);
  EXPECT_EQ(OutputFlags, 65);
  EXPECT_EQ(WorldWindow.zoom, 1.0f);
  EXPECT_EQ(LibraryMode, 1);
  EXPECT_TRUE(SchemePaletteFlag);
  EXPECT_EQ(BitMask[0], 1);
  EXPECT_EQ(BitMask[14], 16384);
  EXPECT_EQ(BitMask[15], 0x8000);
}

TEST_F(DrawLibInitTest, PolarToXYTurnsMillimetresIntoWorldUnits) {
  const struct {
    float angle, length, x, y;
  } cases[] = {
      {90, -10, 0, 402}, {0, 1, 40.2f, 0}, {180, 2, -80.4f, 0}, {-90, 5, 0, -201},
  };
  for (const auto& c : cases) {
    float x = 7, y = 7;
    PolarToXY(c.angle, c.length, x, y);
    EXPECT_NEAR(x, c.x, 1e-3) << c.angle;
    EXPECT_NEAR(y, c.y, 1e-3) << c.angle;
  }
  float x = 1, y = 1;
  PolarToXY(INFINITY, 1, x, y);
  EXPECT_TRUE(std::isfinite(x) && std::isfinite(y));
}

}  // namespace
