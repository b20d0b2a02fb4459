// The base of the program's modal dialogs, which take their input and give their result through
// a tag text. The caller sets the tag (when the dialog reads one), runs the dialog and reads the
// tag once the dialog has hidden itself. The dialog is modal to its parent window only, so that
// other top-level windows (the help viewer) stay usable while it is open.
//
// Esc and the window frame's close button each call a virtual handler; by default both act as
// the dialog's Cancel (tag "Cancel", the dialog hides). A dialog whose frame close or Esc does
// something else overrides the handler.
#pragma once

#include <QDialog>

#include <string>

class TagDialog : public QDialog {
 public:
  explicit TagDialog(QWidget* parent = nullptr);

  const std::string& Tag() const { return tag_; }
  void SetTag(std::string tag) { tag_ = std::move(tag); }

  // Shows the dialog window-modal and returns its tag once it has hidden itself.
  std::string RunModal();

 protected:
  // Hides the dialog, which ends RunModal; the tag stays as it is.
  void HideDialog();
  // The window frame's close button.
  virtual void FrameClose();
  // The Esc key.
  virtual void EscapePressed();

  void closeEvent(QCloseEvent* event) override;
  void reject() override;  // QDialog's Esc road

 private:
  std::string tag_;
};
