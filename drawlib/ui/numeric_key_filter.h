// The key rule of numeric text boxes on a QLineEdit: only digits, ".", "+", "-" and Backspace
// are typed; "-" negates and "+" makes positive the whole value; a second point (or sign) is
// refused; Enter moves the focus to the next control. The rule itself is NumericKeyFilter in
// drawlib/util/numeric_key.h.
//
// Two ways to use it:
//   InstallNumericKeyFilter(box);                        // the box filters its own keys
// or, from a window's own key handler (to do something first, e.g. clear the box):
//   bool MyDialog::eventFilter(QObject* o, QEvent* e) {
//     if (e->type() == QEvent::KeyPress) {
//       ...
//       return NumericKeyPress(box, static_cast<QKeyEvent*>(e)).consumed;
//     }
//     ...
//   }
// Keys that type no character (arrows, Delete, Home, Escape, Tab, shortcuts with Ctrl) are not
// touched, so editing, copying and pasting and the dialog's Esc keep working.
#pragma once

#include <cstdint>

class QKeyEvent;
class QLineEdit;

struct NumericKeyResult {
  int16_t keyIn = 0;      // the character code the key typed (Windows-1252); 0 for other keys
  int16_t keyOut = 0;     // the code after the rule; 0 when the key was swallowed
  bool consumed = false;  // true when the event must not reach the box
};

// The character code (Windows-1252) a key press types, as a key-press handler receives it:
// Enter 13, Backspace 8, printable characters their code; 0 for keys that type no character
// (arrows, Delete, Escape, Tab, Ctrl/Alt shortcuts). Handlers that do something per typed
// character (e.g. start a new number) can test this before calling NumericKeyPress.
int16_t KeyAsciiOf(const QKeyEvent* event);

// Applies the rule to one key press on the box: rewrites the box's text when the rule changes
// it, moves the focus on for Enter, and tells whether the key press is consumed. With
// commaToPoint the box's first decimal comma becomes a point before the rule runs.
NumericKeyResult NumericKeyPress(QLineEdit* box, QKeyEvent* event, bool commaToPoint = false);

// Installs an event filter (owned by the box) that applies NumericKeyPress to every key press.
void InstallNumericKeyFilter(QLineEdit* box, bool commaToPoint = false);
