#include "platform/ui/qt_msgbox.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

#include <utility>
#include <vector>

#include "platform/ui/qt_text.h"

namespace {

struct ButtonSpec {
  QMessageBox::StandardButton button;
  int answer;
};

std::vector<ButtonSpec> ButtonsOf(int style) {
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

}  // namespace

int QtMsgBoxHandler::Message(const std::string& text, int style, const std::string& title) {
  QMessageBox box(IconOf(style), ToQString(title), ToQString(text), QMessageBox::NoButton,
                  QApplication::activeWindow());
  std::vector<ButtonSpec> buttons = ButtonsOf(style);
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
  bool ok = false;
  QString typed = QInputDialog::getText(QApplication::activeWindow(), ToQString(title),
                                        ToQString(prompt), QLineEdit::Normal,
                                        ToQString(defaultText), &ok);
  cancelled = !ok;
  return ok ? FromQString(typed) : std::string();
}
