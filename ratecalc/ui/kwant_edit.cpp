#include "ratecalc/ui/kwant_edit.h"

#include <QFocusEvent>
#include <QKeyEvent>

void KwantEdit::keyPressEvent(QKeyEvent* event) {
  if (onKeyPress && onKeyPress(event)) {
    event->accept();
    return;
  }
  QLineEdit::keyPressEvent(event);
}

void KwantEdit::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  if (onFocusLost) onFocusLost(event->reason());
}
