#include "drawlib/ui/numeric_key_filter.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include "drawlib/util/numbers.h"
#include "drawlib/util/numeric_key.h"
#include "platform/ui/qt_text.h"

int16_t KeyAsciiOf(const QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return 13;
    case Qt::Key_Backspace:
      return 8;
    default:
      break;
  }
  if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return 0;
  const QString text = event->text();
  if (text.size() != 1) return 0;
  const char16_t c = text.at(0).unicode();
  if (c < 32 || c == 127) return 0;
  const std::string code = FromQString(text);
  // Characters outside Windows-1252 are not numeric: pass a code the rule refuses.
  return code.size() == 1 ? int16_t(static_cast<unsigned char>(code[0])) : int16_t('?');
}

namespace {

class NumericKeyEventFilter : public QObject {
 public:
  NumericKeyEventFilter(QLineEdit* box, bool commaToPoint)
      : QObject(box), box_(box), commaToPoint_(commaToPoint) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == box_ && event->type() == QEvent::KeyPress) {
      return NumericKeyPress(box_, static_cast<QKeyEvent*>(event), commaToPoint_).consumed;
    }
    return false;
  }

 private:
  QLineEdit* box_;
  bool commaToPoint_;
};

}  // namespace

NumericKeyResult NumericKeyPress(QLineEdit* box, QKeyEvent* event, bool commaToPoint) {
  NumericKeyResult result;
  result.keyIn = KeyAsciiOf(event);
  if (result.keyIn == 0) return result;

  const std::string before = FromQString(box->text());
  std::string text = commaToPoint ? CommaToPoint(before) : before;
  int16_t key = result.keyIn;
  bool moveFocus = false;
  NumericKeyFilter(key, text, &moveFocus);
  result.keyOut = key;
  result.consumed = key == 0;
  if (text != before) box->setText(ToQString(text));
  if (moveFocus) {
    // As a Tab key would: the next control in the tab order gets the focus.
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    QCoreApplication::sendEvent(box, &tab);
  }
  return result;
}

void InstallNumericKeyFilter(QLineEdit* box, bool commaToPoint) {
  box->installEventFilter(new NumericKeyEventFilter(box, commaToPoint));
}
