#include "platform/ui/qt_msgbox.h"

#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

#include <utility>
#include <vector>

#include "platform/ui/qt_text.h"

namespace {

struct BoxButton {
  QMessageBox::StandardButton button;
  int answer;
};

std::vector<BoxButton> ButtonsOf(int style) {
  switch (style & 7) {
    case vbOKCancel: return {{QMessageBox::Ok, vbOK}, {QMessageBox::Cancel, vbCancel}};
    case vbAbortRetryIgnore:
      return {{QMessageBox::Abort, vbAbort}, {QMessageBox::Retry, vbRetry},
              {QMessageBox::Ignore, vbIgnore}};
    case vbYesNoCancel:
      return {{QMessageBox::Yes, vbYes}, {QMessageBox::No, vbNo}, {QMessageBox::Cancel, vbCancel}};
    case vbYesNo: return {{QMessageBox::Yes, vbYes}, {QMessageBox::No, vbNo}};
    case vbRetryCancel: return {{QMessageBox::Retry, vbRetry}, {QMessageBox::Cancel, vbCancel}};
    default: return {{QMessageBox::Ok, vbOK}};
  }
}

QMessageBox::Icon IconOf(int style) {
  switch (style & 0x70) {
    case vbCritical: return QMessageBox::Critical;
    case vbQuestion: return QMessageBox::Question;
    case vbExclamation: return QMessageBox::Warning;
    case vbInformation: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
  }
}

// Message text as a label shows it: CR LF and lone CR become line breaks.
QString BoxText(const std::string& text) {
  QString q = ToQString(text);
  q.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  q.replace(QChar('\r'), QChar('\n'));
  return q;
}

}  // namespace

int QtMsgBoxHandler::Message(const std::string& text, int style, const std::string& title) {
  QMessageBox box(IconOf(style), ToQString(title), QString(), QMessageBox::NoButton,
                  QApplication::activeWindow());
  // Plain text: a message quoting "<...>" must not be taken for markup.
  box.setTextFormat(Qt::PlainText);
  box.setText(BoxText(text));
  std::vector<BoxButton> buttons = ButtonsOf(style);
  for (const auto& b : buttons) box.addButton(b.button);
  int defaultAnswer = MsgBoxDefaultAnswer(style);
  for (const auto& b : buttons)
    if (b.answer == defaultAnswer) box.setDefaultButton(b.button);
  // Esc and the frame's close button: Cancel where there is one, OK on a single-button box,
  // otherwise Qt's own choice (No on a Yes/No box).
  for (const auto& b : buttons)
    if (b.answer == vbCancel || (buttons.size() == 1 && b.answer == vbOK))
      box.setEscapeButton(b.button);
  box.exec();
  QAbstractButton* clicked = box.clickedButton();
  for (const auto& b : buttons)
    if (clicked == box.button(b.button)) return b.answer;
  // Closed without a button (only possible where an escape button exists): that button.
  for (const auto& b : buttons)
    if (b.answer == vbCancel) return vbCancel;
  return buttons.size() == 1 ? buttons.front().answer : defaultAnswer;
}

std::string QtMsgBoxHandler::Input(const std::string& prompt, const std::string& title,
                                   const std::string& defaultText, bool& cancelled) {
  QInputDialog dialog(QApplication::activeWindow());
  dialog.setWindowTitle(ToQString(title));
  dialog.setInputMode(QInputDialog::TextInput);
  dialog.setLabelText(BoxText(prompt));
  dialog.setTextValue(ToQString(defaultText));
  for (QLabel* label : dialog.findChildren<QLabel*>()) label->setTextFormat(Qt::PlainText);
  bool ok = dialog.exec() == QDialog::Accepted;
  QString typed = dialog.textValue();
  cancelled = !ok;
  return ok ? FromQString(typed) : std::string();
}
