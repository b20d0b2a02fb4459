// Labels of our metafiles, read back by independent programs (emf2svg-conv, wmf2svg): each text
// record carries its own reference point, so readers that keep no current position place them
// too, and our own player places them where the drawing put them.
#include <gtest/gtest.h>

#include <fstream>

#include "platform/atomic_file.h"
#include "platform/gdi/emf_reader.h"
#include "platform/gdi/emf_writer.h"
#include "platform/gdi/metafile_player.h"
#include "platform/gdi/recording_device.h"
#include "platform/gdi/wmf_reader.h"
#include "platform/gdi/wmf_writer.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/shell_output.h"

namespace {

using Lines = std::vector<std::string>;

void Save(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

std::span<const uint8_t> Span(const std::string& s) {
  return {reinterpret_cast<const uint8_t*>(s.data()), s.size()};
}

// Labels as the drawing library writes them: axis numbers at the current position (each a
// move, then text), a title at an explicit point, and a line after text at the current point.
void DrawLabels(MetafileWriter& w) {
  w.SetMapMode(kMapModeAnisotropic);
  w.SetWindowExt(400, 200);
  w.SetBkMode(kBkModeTransparent);
  GdiFont font;
  font.height = -20;
  w.SetFont(font);
  w.SetTextColor(0);
  w.SetPen(1, 0);
  w.SetTextAlign(kTextAlignBaseline | kTextAlignUpdateCP);
  w.MoveTo(40, 150);
  w.TextOut(0, 0, "Ka");
  w.TextOut(0, 0, "vo");  // follows "Ka" at the advanced position
  w.LineTo(200, 150);     // from the end of "vo"
  w.MoveTo(250, 150);
  w.TextOut(0, 0, "ppm");
  w.SetTextAlign(kTextAlignBaseline);
  w.TextOut(60, 40, "Halvex");
}

}  // namespace

TEST(MetafileTextPlacement, OurPlayerPutsEveryLabelWhereTheDrawingDid) {
  RecordingDevice measure;  // characters half the height wide: 10 pixels
  WmfWriter wmf(&measure, {0, 0, 400, 200, 96});
  EmfHeaderInfo info{10583, 5292, 400, 200, 106, 53, ""};
  EmfWriter emf(&measure, info);
  DrawLabels(wmf);
  DrawLabels(emf);
  const std::string w = wmf.Finish(), e = emf.Finish();
  for (const auto& picture :
       {ReadWindowsMetafile(Span(w).subspan(22)), ReadEnhancedMetafile(Span(e))}) {
    ASSERT_TRUE(picture);
    RecordingDevice device;
    MetafilePlaybackState state;
    state.dc.mapping.mode = kMapAnisotropic;
    state.dc.mapping.viewportExt = {400, 200};
    PlayMetafile(*picture, state, device);
    EXPECT_EQ(device.Calls("Text "),
              (Lines{"Text 40 150 Ka", "Text 60 150 vo", "Text 250 150 ppm",
                     "Text 60 40 Halvex"}));
    EXPECT_EQ(device.Calls("LineTo"), Lines{"LineTo 200 150"});
    EXPECT_EQ(device.Calls("MoveTo").front(), "MoveTo 80 150");
  }
}

TEST(MetafileTextPlacement, IndependentReadersShowEveryLabel) {
  ScratchFolder folder;
  RecordingDevice measure;
  WmfWriter wmf(&measure, {0, 0, 400, 200, 96});
  EmfHeaderInfo info{10583, 5292, 400, 200, 106, 53, ""};
  EmfWriter emf(&measure, info);
  DrawLabels(wmf);
  DrawLabels(emf);
  Save(folder.File("labels.wmf"), wmf.Finish());
  Save(folder.File("labels.emf"), emf.Finish());
  const std::string fromWmf = ShellOutput("wmf2svg -o " + folder.File("w.svg") + " " +
                                    folder.File("labels.wmf") + " && cat " + folder.File("w.svg"));
  ShellOutput("emf2svg-conv -i " + folder.File("labels.emf") + " -o " + folder.File("e.svg"));
  const std::string fromEmf = ReadFileBytes(folder.File("e.svg")).value_or("");
  for (const std::string* svg : {&fromWmf, &fromEmf}) {
    SCOPED_TRACE(svg == &fromWmf ? "wmf2svg" : "emf2svg-conv");
    // A text element's content, plain or as character data.
    for (const std::string label : {"Ka", "vo", "ppm", "Halvex"})
      EXPECT_TRUE(svg->find(">" + label + "<") != std::string::npos ||
                  svg->find("CDATA[" + label + "]]") != std::string::npos)
          << label << "\n" << svg->substr(0, 3000);
  }
}
