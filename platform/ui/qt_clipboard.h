// The clipboard on Qt: one QMimeData per publication. Install once at start-up, after the
// QApplication exists: SetClipboardDevice(&device).
#pragma once

#include "platform/clipboard.h"

class QMimeData;

class QtClipboardDevice : public ClipboardDevice {
 public:
  bool Reachable() override;
  bool Publish(const ClipboardFormats& formats) override;
  bool HoldsPublished() override;
  std::optional<std::string> Text() override;
  std::optional<std::string> Data(const std::string& mime) override;
  bool HasImage() override;

 private:
  // Owned by the clipboard once set; only compared, never used after it was replaced.
  const QMimeData* published_ = nullptr;
};
