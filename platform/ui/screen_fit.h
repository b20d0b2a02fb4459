// Keeping windows on the screen: a window and its frame (title bar and borders) are moved, and
// shrunk when they are larger, so that they lie within the available area of the window's
// screen (the screen without its panels and task bars).
#pragma once

#include <QMargins>
#include <QRect>

class QWidget;

// The place of a window whose frame's top-left corner and client size are given in window:
// moved and shrunk so that the client with its frame lies within the area. The result is again
// the frame's corner and the client's size.
QRect FitOnArea(const QRect& window, const QMargins& frame, const QRect& area);

// The available area of the window's screen (the primary screen before it has one).
QRect AvailableAreaOf(const QWidget* window);

// The frame around the window's client: as the window system reports it once the window is
// framed; before that a title bar and borders as most window managers draw them.
QMargins FrameMarginsOf(const QWidget* window);

// Moves (and if need be shrinks) the top-level window onto the available area.
void KeepOnScreen(QWidget* window);
