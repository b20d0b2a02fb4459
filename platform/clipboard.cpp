#include "platform/clipboard.h"

#include "platform/line_ends.h"

namespace {

MemoryClipboard& ProcessMemoryClipboard() {
  static MemoryClipboard clipboard;
  return clipboard;
}

ClipboardDevice* mDevice = nullptr;
int mBatchDepth = 0;
ClipboardFormats mBatch;
ClipboardFormats mLastPublished;  // what this program published last

bool PublishFormats(ClipboardDevice& device, ClipboardFormats formats) {
  if (!device.Reachable() || !device.Publish(formats)) return false;
  mLastPublished = std::move(formats);
  return true;
}

// Adds one format: to the open batch, or published at once on top of what this program last
// published while the clipboard still holds it.
template <typename Add>
bool AddFormat(Add add) {
  ClipboardDevice& device = Clipboard();
  if (mBatchDepth > 0) {
    add(mBatch);
    return device.Reachable();
  }
  if (!device.Reachable()) return false;
  ClipboardFormats next = device.HoldsPublished() ? mLastPublished : ClipboardFormats{};
  add(next);
  return PublishFormats(device, std::move(next));
}

}  // namespace

bool MemoryClipboard::Publish(const ClipboardFormats& formats) {
  if (!reachable) return false;
  held = formats;
  ours_ = true;
  ++publications;
  return true;
}

std::optional<std::string> MemoryClipboard::Data(const std::string& mime) {
  const auto it = held.data.find(mime);
  if (it == held.data.end()) return std::nullopt;
  return it->second;
}

void MemoryClipboard::TakeOver(const ClipboardFormats& formats) {
  held = formats;
  ours_ = false;
}

void SetClipboardDevice(ClipboardDevice* device) { mDevice = device; }

ClipboardDevice& Clipboard() { return mDevice ? *mDevice : ProcessMemoryClipboard(); }

bool ClipboardAddText(std::string_view text) {
  return AddFormat([&](ClipboardFormats& f) { f.text = std::string(text); });
}

bool ClipboardAddData(const std::string& mime, std::string_view bytes) {
  return AddFormat([&](ClipboardFormats& f) { f.data[mime] = std::string(bytes); });
}

bool ClipboardAddImage(std::string_view pngBytes) {
  return AddFormat([&](ClipboardFormats& f) {
    f.image = true;
    f.imagePng = std::string(pngBytes);
  });
}

std::optional<std::string> ClipboardText() {
  ClipboardDevice& device = Clipboard();
  if (!device.Reachable()) return std::nullopt;
  auto text = device.Text();
  if (text) *text = CrLfLineEnds(*text);
  return text;
}

std::optional<std::string> ClipboardData(const std::string& mime) {
  ClipboardDevice& device = Clipboard();
  if (!device.Reachable()) return std::nullopt;
  return device.Data(mime);
}

bool ClipboardHasData(const std::string& mime) { return ClipboardData(mime).has_value(); }

bool ClipboardHasImage() {
  ClipboardDevice& device = Clipboard();
  return device.Reachable() && device.HasImage();
}

ClipboardBatch::ClipboardBatch() {
  if (mBatchDepth++ == 0) mBatch = ClipboardFormats{};
}

ClipboardBatch::~ClipboardBatch() { End(); }

bool ClipboardBatch::End() {
  if (ended_) return true;
  ended_ = true;
  if (--mBatchDepth > 0) return true;
  ClipboardFormats formats = std::move(mBatch);
  mBatch = ClipboardFormats{};
  if (formats.Empty()) return true;
  return PublishFormats(Clipboard(), std::move(formats));
}

void ClipboardReset() {
  mBatchDepth = 0;
  mBatch = ClipboardFormats{};
  mLastPublished = ClipboardFormats{};
  ProcessMemoryClipboard() = MemoryClipboard{};
}
