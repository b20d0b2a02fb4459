// The tag-dialog base: the tag goes in and comes out; Esc and the frame close act as Cancel
// unless a dialog says otherwise; the dialog blocks its parent but not other windows.
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>

#include "drawlib/ui/tag_dialog.h"

namespace {

// Runs `during` once the dialog is up, then returns the dialog's tag.
std::string RunWith(TagDialog& dialog, std::function<void()> during) {
  QTimer::singleShot(0, &dialog, [during] { during(); });
  return dialog.RunModal();
}

// A dialog whose frame close gives "OK" and which has an OK button of its own.
class FrameOkDialog : public TagDialog {
 public:
  using TagDialog::TagDialog;
  void Ok() {
    SetTag("OK");
    HideDialog();
  }

 protected:
  void FrameClose() override {
    SetTag("OK");
    HideDialog();
  }
};

TEST(TagDialogTest, EscAndFrameCloseActAsCancel) {
  QWidget owner;
  owner.show();
  {
    TagDialog dialog(&owner);
    dialog.SetTag("input");
    EXPECT_EQ(RunWith(dialog, [&] { QTest::keyClick(&dialog, Qt::Key_Escape); }), "Cancel");
    EXPECT_FALSE(dialog.isVisible());
  }
  {
    TagDialog dialog(&owner);
    EXPECT_EQ(RunWith(dialog, [&] { dialog.close(); }), "Cancel");
  }
}

TEST(TagDialogTest, ADialogCanGiveItsOwnTagForTheFrameClose) {
  QWidget owner;
  owner.show();
  FrameOkDialog dialog(&owner);
  EXPECT_EQ(RunWith(dialog, [&] { dialog.close(); }), "OK");
  // Hiding through its own button keeps the tag it set.
  EXPECT_EQ(RunWith(dialog, [&] { dialog.Ok(); }), "OK");
  EXPECT_EQ(RunWith(dialog, [&] { QTest::keyClick(&dialog, Qt::Key_Escape); }), "Cancel");
}

TEST(TagDialogTest, BlocksItsParentButNotOtherWindows) {
  QWidget owner;
  QPushButton inOwner("owner", &owner);
  QPushButton other("other");  // a window of its own, like the help viewer
  owner.show();
  other.show();
  int ownerClicks = 0, otherClicks = 0;
  QObject::connect(&inOwner, &QPushButton::clicked, [&] { ++ownerClicks; });
  QObject::connect(&other, &QPushButton::clicked, [&] { ++otherClicks; });
  TagDialog dialog(&owner);
  RunWith(dialog, [&] {
    // Through the window system, where modality blocks input.
    QTest::mouseClick(owner.windowHandle(), Qt::LeftButton, {}, inOwner.geometry().center());
    QTest::mouseClick(other.windowHandle(), Qt::LeftButton, {}, other.rect().center());
    dialog.close();
  });
  EXPECT_EQ(ownerClicks, 0);
  EXPECT_EQ(otherClicks, 1);
}

}  // namespace
