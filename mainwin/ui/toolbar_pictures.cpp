#include "mainwin/ui/toolbar_pictures.h"

#include "platform/ui/qt_text.h"

QString ToolbarPicture(int index, int image2Index, const std::string& caption) {
  switch (index) {
    case 0: return QString::fromUtf8("Sim \u2191");
    case 1: return QString::fromUtf8("Sim \u2193");
    case 2: return QString::fromUtf8("\u2190 Move");
    case 3: return QString::fromUtf8("Move \u2192");
    case 4: return QString("Expand");
    case 5: return QString("Contract");
    case 6: return QString::fromUtf8("\u2194 Full");
    case 7: return image2Index == 1 ? QString("Auto off") : QString("Auto on");
    // Active and inactive pictures of the spectrum-height buttons look alike; the button's
    // enabled state tells them apart.
    case 11: return QString::fromUtf8("Spec \u2191");
    case 12: return QString::fromUtf8("Spec \u2193");
    default: return ToQString(caption);
  }
}
