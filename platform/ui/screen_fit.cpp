#include "platform/ui/screen_fit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace {

// A title bar and borders as most window managers draw them, in logical pixels.
constexpr QMargins kUsualFrame(6, 36, 6, 6);

int Fit(int at, int size, int low, int span) { return std::max(low, std::min(at, low + span - size)); }

}  // namespace

QRect FitOnArea(const QRect& window, const QMargins& frame, const QRect& area) {
  const int frameWidth = frame.left() + frame.right();
  const int frameHeight = frame.top() + frame.bottom();
  const int width = std::max(1, std::min(window.width(), area.width() - frameWidth));
  const int height = std::max(1, std::min(window.height(), area.height() - frameHeight));
  return {Fit(window.x(), width + frameWidth, area.left(), area.width()),
          Fit(window.y(), height + frameHeight, area.top(), area.height()), width, height};
}

QRect AvailableAreaOf(const QWidget* window) {
  QScreen* screen = window ? window->screen() : nullptr;
  if (!screen) screen = QGuiApplication::primaryScreen();
  return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

QMargins FrameMarginsOf(const QWidget* window) {
  const QRect frame = window->frameGeometry();
  const QRect client = window->geometry();
  if (frame != client)
    return {client.left() - frame.left(), client.top() - frame.top(),
            frame.right() - client.right(), frame.bottom() - client.bottom()};
  if (window->isVisible()) return {};  // shown without a frame
  return kUsualFrame;
}

void KeepOnScreen(QWidget* window) {
  if (!window) return;
  const QRect fitted = FitOnArea(QRect(window->pos(), window->size()), FrameMarginsOf(window),
                                 AvailableAreaOf(window));
  if (fitted.size() != window->size()) window->resize(fitted.size());
  // A window that cannot shrink (a fixed or minimum size) still goes to the area's corner.
  const QRect again = FitOnArea(QRect(fitted.topLeft(), window->size()), FrameMarginsOf(window),
                                AvailableAreaOf(window));
  if (again.topLeft() != window->pos()) window->move(again.topLeft());
}
