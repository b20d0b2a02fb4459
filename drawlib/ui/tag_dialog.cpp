#include "drawlib/ui/tag_dialog.h"

#include <QCloseEvent>

TagDialog::TagDialog(QWidget* parent) : QDialog(parent) {
  setWindowModality(parent ? Qt::WindowModal : Qt::ApplicationModal);
}

std::string TagDialog::RunModal() {
  exec();
  return tag_;
}

void TagDialog::HideDialog() { QDialog::done(QDialog::Rejected); }

void TagDialog::FrameClose() {
  tag_ = "Cancel";
  HideDialog();
}

void TagDialog::EscapePressed() {
  tag_ = "Cancel";
  HideDialog();
}

void TagDialog::closeEvent(QCloseEvent* event) {
  if (!isVisible()) {
    event->accept();
    return;
  }
  FrameClose();
  // A handler that keeps the dialog open refuses the close.
  if (isVisible()) event->ignore();
  else event->accept();
}

void TagDialog::reject() { EscapePressed(); }
