#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "documents/clip_transfer.h"
#include "drawlib/util/clipboard_text.h"
#include "platform/ui/qt_clipboard.h"
#include "tests/support/msgbox_recorder.h"
#include "tests/support/process_state.h"
#include "tests/support/scratch_folder.h"

namespace {

TEST(QtClipboard, OneCopyCommandLeavesTextAndThePrivateTypeTogether) {
  ResetProcessState();
  QtClipboardDevice device;
  SetClipboardDevice(&device);
  MsgBoxRecorder boxes;
  {
    ClipboardBatch copy;
    ClipboardSetText("12.5\t\xB5s");
    ClipDataSetVariant(ByteArray::FromBytes(std::string("\x00\x01\x02", 3)), kClipDrawing);
  }
  const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
  ASSERT_NE(mime, nullptr);
  EXPECT_EQ(mime->text(), QString::fromUtf8("12.5\t\u00b5s"));
  EXPECT_EQ(mime->data("application/x-zef61-morav"),
            QByteArray("\x22\x00\x03\x00\x00\x00\x00\x01\x02", 9));
  StepData data;
  EXPECT_EQ(ClipDataGetVariant(data), kClipDrawing);
  // A later write outside a copy command keeps what this program published.
  ClipboardSetText("new text");
  EXPECT_TRUE(QGuiApplication::clipboard()->mimeData()->hasFormat("application/x-zef61-morav"));
  EXPECT_TRUE(boxes.empty());
  SetClipboardDevice(nullptr);
}

bool HaveXvfb() { return std::system("command -v xvfb-run >/dev/null 2>&1") == 0; }

TEST(QtClipboard, SecondProcessReadsWhatTheFirstPublished) {
  if (!HaveXvfb()) GTEST_SKIP() << "xvfb-run is not installed; no X server to share a clipboard";
  ScratchFolder folder;
  const std::string peer = CLIP_PEER_PATH;
  const std::string done = folder.File("done"), out = folder.File("out");
  const std::string script =
      "export QT_QPA_PLATFORM=xcb; \"" + peer + "\" publish \"" + done + "\" & \"" + peer +
      "\" read > \"" + out + "\"; rc=$?; touch \"" + done + "\"; wait; exit $rc";
  const std::string command = "timeout 60 xvfb-run -a sh -c '" + script + "' >/dev/null 2>&1";
  ASSERT_EQ(std::system(command.c_str()), 0) << command;
  std::ifstream in(out);
  std::stringstream read;
  read << in.rdbuf();
  EXPECT_EQ(read.str(), "01737065637472756dff\n");
}

}  // namespace
