// A column of controls that scrolls when its place on the window is shorter than the column:
// the controls stay where the design puts them (column coordinates = window coordinates at the
// top), and a vertical scroll bar beside the column, shown only when needed, brings the rest
// into view. The wheel over the column and moving the focus into it scroll it too.
#pragma once

#include <QRect>

class QScrollArea;
class QScrollBar;
class QWidget;

class ScrollingColumn {
 public:
  // Both the column's viewport and its scroll bar are children of the window's surface.
  explicit ScrollingColumn(QWidget* surface);

  // The parent of the column's controls.
  QWidget* Content() const { return content_; }
  // The viewport's rectangle on the surface, the height of the column's controls (from the
  // viewport's top) and the room for the scroll bar (its width and height are upper limits).
  void Place(const QRect& viewport, int contentHeight, const QRect& barRoom);
  // Scrolls so that the widget (a control of the column) lies within the viewport.
  void EnsureVisible(QWidget* widget);
  bool Holds(const QWidget* widget) const;
  QScrollBar* Bar() const { return bar_; }

 private:
  QScrollArea* area_;
  QWidget* content_;
  QScrollBar* bar_;
};
