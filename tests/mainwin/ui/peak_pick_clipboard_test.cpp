// A peak list copied to the clipboard with any line ends is imported as type 44.
#include <QClipboard>
#include <QGuiApplication>

#include <gtest/gtest.h>

#include "documents/spec_record.h"
#include "engine/engine_globals.h"
#include "mainwin/peak_pick_import.h"
#include "platform/ui/clipboard_read.h"
#include "tests/support/process_state.h"

namespace {

TEST(PeakPickClipboardTest, APastedListGivesThePeakListType) {
  ResetProcessState();
  gSimType = 9;
  for (const char* ends : {"\n", "\r\n", "\r"}) {
    const QString eol = QString::fromLatin1(ends);
    QGuiApplication::clipboard()->setText("Hz        ppm     Int." + eol + "2000.00   5.000    500" +
                                          eol + "1996.00   4.990   1000" + eol);
    const std::string text = ClipboardTextCrLf();
    EXPECT_EQ(text.find("\n\r"), std::string::npos);
    EXPECT_EQ(PeakPickImport(text), -1);
    EXPECT_EQ(gSimType, 44);
    ASSERT_EQ(gNumLines, 2);
    EXPECT_FLOAT_EQ(gLineFreq[1], 2000.0f);
    EXPECT_FLOAT_EQ(gLineInt[1], 0.5f);
    EXPECT_FLOAT_EQ(gLineInt[2], 1.0f);
    EXPECT_FLOAT_EQ(gSpec.MHz, 400.0f);
  }
  ResetProcessState();
}

}  // namespace
