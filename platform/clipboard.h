// The system clipboard without Qt: formats by MIME type, published together.
//
// The platform replaces the whole clipboard on every publication, so a copy command opens a
// ClipboardBatch: every write inside it adds one format, and the batch publishes them all at
// once when it ends. A write outside a batch adds its format to what this program last
// published while the clipboard still holds that, and otherwise starts a new set.
// Texts are Windows-1252 here; a device converts them at its edge. Text read from the clipboard
// has CR LF line ends.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

inline constexpr const char* kMimeText = "text/plain";

// One set of formats published together.
struct ClipboardFormats {
  std::optional<std::string> text;           // Windows-1252
  std::map<std::string, std::string> data;   // MIME type -> exact bytes
  bool image = false;                        // a picture (devices that can hold one)
  std::string imagePng;                      // the picture as PNG bytes, when it has one
  bool Empty() const { return !text && data.empty() && !image; }
};

class ClipboardDevice {
 public:
  virtual ~ClipboardDevice() = default;
  // False when the clipboard cannot be reached at all.
  virtual bool Reachable() = 0;
  // Replaces the whole clipboard; false when it could not be set.
  virtual bool Publish(const ClipboardFormats& formats) = 0;
  // True while the clipboard still holds what this device last published.
  virtual bool HoldsPublished() = 0;
  virtual std::optional<std::string> Text() = 0;
  virtual std::optional<std::string> Data(const std::string& mime) = 0;
  virtual bool HasImage() = 0;
};

// A clipboard in memory: the default device, and the one tests use. Another program's copy is
// simulated with TakeOver.
class MemoryClipboard : public ClipboardDevice {
 public:
  bool Reachable() override { return reachable; }
  bool Publish(const ClipboardFormats& formats) override;
  bool HoldsPublished() override { return ours_; }
  std::optional<std::string> Text() override { return held.text; }
  std::optional<std::string> Data(const std::string& mime) override;
  bool HasImage() override { return held.image; }
  // Another program replaces the clipboard.
  void TakeOver(const ClipboardFormats& formats);

  ClipboardFormats held;
  bool reachable = true;
  int publications = 0;

 private:
  bool ours_ = false;
};

// Installs the device (not owned); nullptr restores the process's memory clipboard.
void SetClipboardDevice(ClipboardDevice* device);
ClipboardDevice& Clipboard();

// Writes of one format. False when the clipboard cannot be reached (inside a batch: when it is
// unreachable now; outside: when the publication failed).
bool ClipboardAddText(std::string_view text);
bool ClipboardAddData(const std::string& mime, std::string_view bytes);
// A picture, as PNG bytes; a device that holds pictures offers it as an image.
bool ClipboardAddImage(std::string_view pngBytes);

// Reads. Text gets CR LF line ends.
std::optional<std::string> ClipboardText();
std::optional<std::string> ClipboardData(const std::string& mime);
bool ClipboardHasData(const std::string& mime);
bool ClipboardHasImage();

// A copy command: the formats written while it lives are published together when it ends.
// Batches nest; the outermost one publishes.
class ClipboardBatch {
 public:
  ClipboardBatch();
  ~ClipboardBatch();
  ClipboardBatch(const ClipboardBatch&) = delete;
  ClipboardBatch& operator=(const ClipboardBatch&) = delete;
  // Publishes now (the outermost batch only); false when that failed. Later writes of this
  // batch start a new set.
  bool End();

 private:
  bool ended_ = false;
};

// Forgets an open batch and the memory clipboard's content (tests).
void ClipboardReset();
