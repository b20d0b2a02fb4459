#include "platform/recording_picture_box.h"

#include <gtest/gtest.h>

#include <array>

using Kind = RecordingPictureBox::Kind;

TEST(RecordingPictureBox, CallsMoveTheCurrentPointAsTheRuntimeDoes) {
  RecordingPictureBox pic(6000, 3000);
  pic.CurrentX = 500;
  pic.CurrentY = 700;
  pic.Line(10, 20, 30, 40, 0xFF);
  EXPECT_EQ(pic.CurrentX, 30);
  EXPECT_EQ(pic.CurrentY, 40);
  pic.Box(100, 200, 50, 60, 0xFF);
  EXPECT_EQ(pic.CurrentX, 50);
  EXPECT_EQ(pic.CurrentY, 60);
  pic.PSet(7, 8, 0);
  EXPECT_EQ(pic.CurrentX, 7);
  EXPECT_EQ(pic.CurrentY, 8);
  pic.CurrentX = 300;
  pic.Print("12.5 Hz");
  pic.Print("x");
  EXPECT_EQ(pic.CurrentX, 0);
  EXPECT_EQ(pic.CurrentY, 8 + 2 * 195);
  pic.Cls();
  EXPECT_EQ(pic.CurrentX, 0);
  EXPECT_EQ(pic.CurrentY, 0);

  const auto prints = pic.OpsOf(Kind::Print);
  ASSERT_EQ(prints.size(), 2u);
  EXPECT_EQ(prints[0].x1, 300);  // printed where the current point was
  EXPECT_EQ(prints[0].y1, 8);
  EXPECT_EQ(prints[1].x1, 0);
  EXPECT_EQ(prints[1].y1, 8 + 195);
}

TEST(RecordingPictureBox, EachCallKeepsItsColourTextAndPenState) {
  RecordingPictureBox pic(6000, 3000);
  pic.BackColor = 0xC0C0C0;
  pic.ForeColor = 0x800000;
  pic.Cls();
  pic.DrawWidth = 2;
  pic.DrawStyle = PictureBox::kDrawStyleDot;
  pic.DrawMode = PictureBox::kDrawModeXorPen;
  pic.Line(1, 2, 3, 4, 0x00FF00);
  pic.DrawMode = PictureBox::kDrawModeCopyPen;
  pic.Print("ppm");

  ASSERT_EQ(pic.ops.size(), 3u);
  EXPECT_EQ(pic.ops[0].kind, Kind::Cls);
  EXPECT_EQ(pic.ops[0].color, 0xC0C0C0u);
  const auto& line = pic.ops[1];
  EXPECT_EQ(line.kind, Kind::Line);
  EXPECT_EQ((std::array<float, 4>{line.x1, line.y1, line.x2, line.y2}),
            (std::array<float, 4>{1, 2, 3, 4}));
  EXPECT_EQ(line.color, 0x00FF00u);
  EXPECT_EQ(line.drawWidth, 2);
  EXPECT_EQ(line.drawStyle, PictureBox::kDrawStyleDot);
  EXPECT_EQ(line.drawMode, PictureBox::kDrawModeXorPen);
  EXPECT_EQ(pic.ops[2].text, "ppm");
  EXPECT_EQ(pic.ops[2].color, 0x800000u);
  EXPECT_EQ(pic.ops[2].drawMode, PictureBox::kDrawModeCopyPen);
}

TEST(RecordingPictureBox, SizeTextMetricsAndRefreshes) {
  RecordingPictureBox pic(6000, 3000, 12);
  EXPECT_EQ(pic.ScaleWidth(), 6000);
  EXPECT_EQ(pic.TwipsPerPixelY(), 12);
  pic.SetSize(9000, 4500);
  EXPECT_EQ(pic.ScaleWidth(), 9000);
  EXPECT_EQ(pic.ScaleHeight(), 4500);
  EXPECT_EQ(pic.TextWidth(""), 0);
  EXPECT_EQ(pic.TextWidth("1000 Hz"), 7 * 90);
  EXPECT_EQ(pic.TextHeight("1000 Hz"), 195);
  pic.Refresh();
  pic.Refresh();
  EXPECT_EQ(pic.refreshCount, 2);
  EXPECT_TRUE(pic.ops.empty());
}
