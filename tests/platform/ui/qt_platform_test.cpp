// The Qt side of the platform layer: texts, colours and the real message and input boxes
// (answered by a timer that inspects and clicks the open box).
#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "platform/ui/qt_color.h"
#include "platform/ui/qt_msgbox.h"
#include "platform/ui/qt_text.h"
#include "tests/support/msgbox_recorder.h"

namespace {

// Runs `act` on the modal widget as soon as it is up; closes it afterwards if `act` did not
// (a failed check must not leave the test waiting on an open box).
void WhenModalOpens(std::function<void(QWidget*)> act) {
  auto* timer = new QTimer;
  timer->setInterval(10);
  QObject::connect(timer, &QTimer::timeout, [timer, act] {
    if (QWidget* w = QApplication::activeModalWidget()) {
      timer->stop();
      timer->deleteLater();
      act(w);
      if (w->isVisible()) w->close();
    }
  });
  timer->start();
}

}  // namespace

TEST(QtText, AllCodesSurviveAQStringRoundTrip) {
  std::string all;
  for (int c = 0; c < 256; ++c) all += static_cast<char>(c);
  QString q = ToQString(all);
  EXPECT_EQ(q.size(), 256);
  EXPECT_EQ(q[0x80], QChar(0x20AC));
  EXPECT_EQ(q[0xE9], QChar(0xE9));
  EXPECT_EQ(FromQString(q), all);
  EXPECT_EQ(FromQStringExact(q), all);
  EXPECT_EQ(FromQString(QString::fromUtf8("a\xCE\xA9z")), "a?z");
  EXPECT_EQ(FromQStringExact(QString::fromUtf8("a\xCE\xA9z")), std::nullopt);
}

TEST(QtText, PathsOutsideTheCodePageAreRefusedWithAMessage) {
  MsgBoxRecorder boxes;
  EXPECT_EQ(PathFromDialog(QString::fromUtf8("/data/caf\xC3\xA9.sim")), "/data/caf\xe9.sim");
  EXPECT_TRUE(boxes.empty());
  EXPECT_EQ(PathFromDialog(QString::fromUtf8("/data/\xCE\xA9.sim")), std::nullopt);
  ASSERT_EQ(boxes.count(), 1u);
  EXPECT_NE(boxes.last().text.find("\"/data/?.sim\""), std::string::npos) << boxes.last().text;
  EXPECT_EQ(boxes.last().style, vbExclamation);
}

TEST(QtColor, BgrWordsMapToRedGreenBlue) {
  QColor c = ToQColor(0x00336699);
  EXPECT_EQ(c.red(), 0x99);
  EXPECT_EQ(c.green(), 0x66);
  EXPECT_EQ(c.blue(), 0x33);
  EXPECT_EQ(FromQColor(QColor(255, 0, 0)), 0x000000FFu);
  EXPECT_EQ(FromQColor(QColor(0, 0, 128)), 0x00800000u);
  for (uint32_t v : {0x00000000u, 0x00FFFFFFu, 0x00C0C0C0u, 0x00808000u, 0x00123456u})
    EXPECT_EQ(FromQColor(ToQColor(v)), v);
  EXPECT_EQ(FromQColor(QColor::fromHsv(0, 255, 255)), 0x000000FFu);  // from any colour model
}

TEST(QtMsgBox, ShowsTextTitleIconAndButtonsAndReturnsTheClickedAnswer) {
  QtMsgBoxHandler handler;
  struct Case {
    int style;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton;
    QMessageBox::StandardButton click;
    int answer;
  };
  const Case cases[] = {
      {vbOKOnly, QMessageBox::NoIcon, QMessageBox::Ok, QMessageBox::Ok, QMessageBox::Ok, vbOK},
      {vbOKCancel + vbCritical, QMessageBox::Critical, QMessageBox::Ok | QMessageBox::Cancel,
       QMessageBox::Ok, QMessageBox::Cancel, vbCancel},
      {vbYesNo + vbQuestion + vbDefaultButton2, QMessageBox::Question,
       QMessageBox::Yes | QMessageBox::No, QMessageBox::No, QMessageBox::Yes, vbYes},
      {vbYesNoCancel + vbExclamation, QMessageBox::Warning,
       QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes,
       QMessageBox::No, vbNo},
      {vbRetryCancel + vbInformation, QMessageBox::Information,
       QMessageBox::Retry | QMessageBox::Cancel, QMessageBox::Retry, QMessageBox::Retry, vbRetry},
      {vbAbortRetryIgnore + vbDefaultButton3, QMessageBox::NoIcon,
       QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore, QMessageBox::Ignore,
       QMessageBox::Abort, vbAbort},
  };
  for (const auto& c : cases) {
    bool seen = false;
    WhenModalOpens([&](QWidget* w) {
      auto* box = qobject_cast<QMessageBox*>(w);
      ASSERT_NE(box, nullptr);
      seen = true;
      EXPECT_EQ(box->text(), QString::fromUtf8("Caf\xC3\xA9 \xE2\x82\xAC"));
      EXPECT_EQ(box->windowTitle(), QStringLiteral("VIREO"));
      EXPECT_EQ(box->icon(), c.icon);
      EXPECT_EQ(box->standardButtons(), c.buttons);
      EXPECT_EQ(box->defaultButton(), box->button(c.defaultButton));
      box->button(c.click)->click();
    });
    EXPECT_EQ(handler.Message("Caf\xe9 \x80", c.style, "VIREO"), c.answer) << c.style;
    EXPECT_TRUE(seen);
  }
}

TEST(QtMsgBox, TextIsPlainWithLineBreaks) {
  QtMsgBoxHandler handler;
  WhenModalOpens([](QWidget* w) {
    auto* box = qobject_cast<QMessageBox*>(w);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->textFormat(), Qt::PlainText);
    EXPECT_EQ(box->text(), QStringLiteral("Tag <b>x</b> missing.\nSecond\nThird"));
    box->accept();
  });
  handler.Message("Tag <b>x</b> missing.\r\nSecond\rThird", vbOKOnly, "t");
}

TEST(QtMsgBox, EscapeAnswersCancelOrOk) {
  QtMsgBoxHandler handler;
  for (auto [style, answer] : {std::pair{vbOKOnly, vbOK}, std::pair{vbOKCancel, vbCancel},
                               std::pair{vbYesNoCancel, vbCancel}}) {
    WhenModalOpens([](QWidget* w) { qobject_cast<QMessageBox*>(w)->reject(); });
    EXPECT_EQ(handler.Message("x", style, "t"), answer) << style;
  }
}

TEST(QtMsgBox, InputBoxConvertsTextsAndReportsCancel) {
  QtMsgBoxHandler handler;
  WhenModalOpens([](QWidget* w) {
    auto* dlg = qobject_cast<QInputDialog*>(w);
    ASSERT_NE(dlg, nullptr);
    EXPECT_EQ(dlg->labelText(), QString::fromUtf8("Temp \xC2\xB0" "C:"));
    EXPECT_EQ(dlg->textValue(), QStringLiteral("20"));
    EXPECT_EQ(dlg->windowTitle(), QStringLiteral("Halvex"));
    dlg->setTextValue(QString::fromUtf8("21\xC2\xB5"));
    dlg->accept();
  });
  bool cancelled = true;
  EXPECT_EQ(handler.Input("Temp \xb0" "C:", "Halvex", "20", cancelled), "21\xb5");
  EXPECT_FALSE(cancelled);

  WhenModalOpens([](QWidget* w) { qobject_cast<QInputDialog*>(w)->reject(); });
  EXPECT_EQ(handler.Input("p", "t", "d", cancelled), "");
  EXPECT_TRUE(cancelled);
}
