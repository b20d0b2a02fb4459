// Drives a calculator window as the keyboard and mouse would.
#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWidget>

#include <string>

// Sends one key press to the widget that has the focus.
inline void PressKey(int key, const QString& text) {
  QWidget* target = QApplication::focusWidget();
  if (!target) return;
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
  QCoreApplication::sendEvent(target, &press);
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
  QCoreApplication::sendEvent(target, &release);
}

// Types characters one key at a time.
inline void TypeKeys(const std::string& keys) {
  for (char c : keys) {
    int key = c >= '0' && c <= '9' ? Qt::Key_0 + (c - '0')
              : c == '.'           ? Qt::Key_Period
              : c == ','           ? Qt::Key_Comma
              : c == '-'           ? Qt::Key_Minus
              : c == '+'           ? Qt::Key_Plus
                                   : Qt::Key_A + (c - 'a');
    PressKey(key, QString(QChar(c)));
  }
}

inline void PressTab() { PressKey(Qt::Key_Tab, "\t"); }
inline void PressEnter() { PressKey(Qt::Key_Return, "\r"); }

// Shows the window and puts the focus into `box`.
inline void FocusBox(QWidget& window, QLineEdit* box) {
  if (!window.isVisible()) {
    window.show();
    window.activateWindow();
  }
  box->setFocus(Qt::OtherFocusReason);
  QCoreApplication::processEvents();
}

inline std::string Text(const QLineEdit* box) { return box->text().toStdString(); }
