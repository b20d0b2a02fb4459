// A second program for the clipboard tests: "publish DONEFILE" puts a drawing block and a text
// on the clipboard with one copy command and keeps them there until DONEFILE exists (20 s at
// most); "read" waits up to 10 s for a drawing block and prints its bytes in hex.
#include <QGuiApplication>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <thread>

#include "documents/clip_transfer.h"
#include "drawlib/util/clipboard_text.h"
#include "platform/ui/qt_clipboard.h"

namespace {

int Publish(QGuiApplication& app, const std::string& doneFile) {
  {
    ClipboardBatch copy;
    ClipboardSetText("peer text");
    ClipDataSetVariant(ByteArray::FromBytes(std::string("\x01spectrum\xFF", 10)), kClipDrawing);
  }
  QTimer poll;
  int ticks = 0;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    if (std::filesystem::exists(doneFile) || ++ticks > 400) app.quit();
  });
  poll.start(50);
  return app.exec();
}

int Read() {
  for (int attempt = 0; attempt < 100; ++attempt) {
    StepData data;
    if (ClipDataGetVariant(data) == kClipDrawing) {
      if (const auto* bytes = std::get_if<ByteArray>(&data)) {
        for (const uint8_t b : bytes->bytes) std::printf("%02x", b);
        std::printf("\n");
        return 0;
      }
    }
    QCoreApplication::processEvents();
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  QtClipboardDevice device;
  SetClipboardDevice(&device);
  const std::string mode = argc > 1 ? argv[1] : "";
  const int status = mode == "publish" && argc > 2 ? Publish(app, argv[2])
                     : mode == "read"              ? Read()
                                                   : 2;
  SetClipboardDevice(nullptr);
  return status;
}
