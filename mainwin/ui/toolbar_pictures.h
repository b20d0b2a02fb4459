// The pictures of the display toolbar's buttons (our own icons, in the toolbar resource), with a
// short word where a picture alone would not say enough.
#pragma once

#include <QIcon>
#include <QString>

#include <string>

struct ToolbarPictureRec {
  QIcon icon;    // none for the buttons that show their caption
  QString text;  // the caption, or the word beside the picture
};

// Button `index` showing hidden picture `image2Index` (-1: its own picture); buttons 8, 9 and
// 10 keep their caption.
ToolbarPictureRec ToolbarPicture(int index, int image2Index, const std::string& caption);
