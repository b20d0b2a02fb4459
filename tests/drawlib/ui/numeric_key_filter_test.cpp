#include "drawlib/ui/numeric_key_filter.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QWidget>

namespace {

class NumericBox : public ::testing::Test {
 protected:
  void SetUp() override {
    auto* layout = new QVBoxLayout(&window);
    box = new QLineEdit(&window);
    next = new QLineEdit(&window);
    layout->addWidget(box);
    layout->addWidget(next);
    InstallNumericKeyFilter(box, true);
    window.show();
    window.activateWindow();
    box->setFocus();
    QCoreApplication::processEvents();
  }
  // Sends one key press as the keyboard would; true when the box received it as typing.
  void Press(int key, const QString& text, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QKeyEvent press(QEvent::KeyPress, key, mods, text);
    QCoreApplication::sendEvent(box, &press);
  }
  QWidget window;
  QLineEdit* box = nullptr;
  QLineEdit* next = nullptr;
};

TEST_F(NumericBox, TypesOnlyNumbers) {
  struct Case { const char* before; int key; const char* typed; const char* after; };
  for (const Case& c : {Case{"12", Qt::Key_7, "7", "127"}, Case{"12", Qt::Key_A, "a", "12"},
                        Case{"12", Qt::Key_Minus, "-", "-12"}, Case{"-12", Qt::Key_Minus, "-", "-12"},
                        Case{"-12", Qt::Key_Plus, "+", " 12"}, Case{"1.5", Qt::Key_Period, ".", "1.5"},
                        Case{"1,5", Qt::Key_Period, ".", "1.5"},  // the comma became the point
                        Case{"15", Qt::Key_Period, ".", "15."}, Case{"", Qt::Key_Minus, "-", "-"},
                        Case{"15", Qt::Key_Comma, ",", "15,"},  // a decimal comma is typed
                        Case{"1.5", Qt::Key_Comma, ",", "1.5"},  // but not a second separator
                        Case{"12", Qt::Key_Backspace, "\b", "1"}}) {
    box->setText(c.before);
    box->end(false);
    Press(c.key, c.typed);
    EXPECT_EQ(box->text().toStdString(), c.after) << c.before << " + " << c.typed;
  }
}

TEST_F(NumericBox, EnterMovesTheFocusOn) {
  box->setText("12");
  Press(Qt::Key_Return, "\r");
  EXPECT_EQ(box->text(), "12");
  EXPECT_EQ(window.focusWidget(), next);
}

TEST_F(NumericBox, EditingKeysAndShortcutsPass) {
  box->setText("12");
  box->end(false);
  Press(Qt::Key_Left, "");
  Press(Qt::Key_Delete, "\x7f");
  EXPECT_EQ(box->text(), "1");
  Press(Qt::Key_A, "\x01", Qt::ControlModifier);  // select all
  EXPECT_EQ(box->selectedText(), "1");
}

TEST(NumericKeyPress, KeyAsciiOfTypingKeysOnly) {
  struct Case { int key; const char* text; Qt::KeyboardModifiers mods; int code; };
  for (const Case& c : {Case{Qt::Key_Return, "\r", Qt::NoModifier, 13},
                        Case{Qt::Key_Enter, "\r", Qt::KeypadModifier, 13},
                        Case{Qt::Key_Backspace, "\b", Qt::NoModifier, 8},
                        Case{Qt::Key_5, "5", Qt::KeypadModifier, '5'},
                        Case{Qt::Key_Agrave, "\xC3\xA0", Qt::NoModifier, 0xE0},
                        Case{Qt::Key_Left, "", Qt::NoModifier, 0},
                        Case{Qt::Key_Delete, "\x7f", Qt::NoModifier, 0},
                        Case{Qt::Key_Escape, "\x1b", Qt::NoModifier, 0},
                        Case{Qt::Key_V, "v", Qt::ControlModifier, 0}}) {
    QKeyEvent e(QEvent::KeyPress, c.key, c.mods, QString::fromUtf8(c.text));
    EXPECT_EQ(KeyAsciiOf(&e), c.code) << c.key;
  }
}

TEST(NumericKeyPress, ReportsTheKeyForCallersWithTheirOwnHandler) {
  QLineEdit box;
  box.setText("12");
  QKeyEvent minus(QEvent::KeyPress, Qt::Key_Minus, Qt::NoModifier, "-");
  NumericKeyResult r = NumericKeyPress(&box, &minus);
  EXPECT_EQ(r.keyIn, '-');
  EXPECT_EQ(r.keyOut, 0);
  EXPECT_TRUE(r.consumed);
  EXPECT_EQ(box.text(), "-12");
  QKeyEvent digit(QEvent::KeyPress, Qt::Key_3, Qt::NoModifier, "3");
  r = NumericKeyPress(&box, &digit);
  EXPECT_EQ(r.keyOut, '3');
  EXPECT_FALSE(r.consumed);
}

}  // namespace
