#include "mainwin/ui/toolbar_pictures.h"

#include "platform/ui/qt_text.h"

// The resource lives in a static library: it is registered before the first use (outside any
// namespace, where the registration function is declared).
static bool LoadToolbarResource() {
  Q_INIT_RESOURCE(toolbar);
  return true;
}

namespace {

QIcon Icon(const char* name) {
  static const bool loaded = LoadToolbarResource();
  (void)loaded;
  return QIcon(QString(":/toolbar/%1.xpm").arg(name));
}

}  // namespace

ToolbarPictureRec ToolbarPicture(int index, int image2Index, const std::string& caption) {
  switch (index) {
    case 0: return {Icon("sim-up"), "Sim"};
    case 1: return {Icon("sim-down"), "Sim"};
    case 2: return {Icon("move-left"), ""};
    case 3: return {Icon("move-right"), ""};
    case 4: return {Icon("expand"), ""};
    case 5: return {Icon("contract"), ""};
    case 6: return {Icon("full-width"), ""};
    // Image2 0 and 1: automatic redraw on and off.
    case 7: return {Icon(image2Index == 1 ? "auto-off" : "auto-on"), "Auto"};
    // Image2 2 and 4 are the active pictures of the spectrum-height buttons, 3 and 5 the
    // inactive ones.
    case 11: return {Icon(image2Index == 3 ? "spec-up-off" : "spec-up"), "Spec"};
    case 12: return {Icon(image2Index == 5 ? "spec-down-off" : "spec-down"), "Spec"};
    default: return {QIcon(), ToQString(caption)};
  }
}
