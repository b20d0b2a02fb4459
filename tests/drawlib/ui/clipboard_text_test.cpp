#include "drawlib/util/clipboard_text.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>

#include "drawlib/util/error_location.h"
#include "platform/ui/qt_clipboard.h"

TEST(ClipboardSetText, PutsPlainTextAndMarksTheLocation) {
  QtClipboardDevice device;
  SetClipboardDevice(&device);
  ClipboardSetText("12.5\t\xB5s", "unused");
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromUtf8("12.5\t\u00b5s"));
  EXPECT_EQ(ErrorLocation, 5202);
  ErrorLocation = 0;
  SetClipboardDevice(nullptr);
}
