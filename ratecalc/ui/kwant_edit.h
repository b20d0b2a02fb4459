// A quantity box of the calculator: a line edit that hands its character keys and the loss of
// its focus to the window before acting on them.
#pragma once

#include <QLineEdit>

#include <functional>

class QKeyEvent;

class KwantEdit : public QLineEdit {
  Q_OBJECT

 public:
  explicit KwantEdit(QWidget* parent = nullptr) : QLineEdit(parent) {}

  // Called for every key press first; returns true when the key is consumed.
  std::function<bool(QKeyEvent*)> onKeyPress;
  // Called after the box lost the focus, with the reason Qt gives.
  std::function<void(Qt::FocusReason)> onFocusLost;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
};
