#include "mainwin/ui/scrolling_column.h"

#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>

ScrollingColumn::ScrollingColumn(QWidget* surface)
    : area_(new QScrollArea(surface)),
      content_(new QWidget),
      bar_(new QScrollBar(Qt::Vertical, surface)) {
  area_->setObjectName("leftColumn");
  area_->setFrameShape(QFrame::NoFrame);
  area_->setFocusPolicy(Qt::NoFocus);
  // The area's own bar is hidden (it would take the column's width); the bar beside it follows.
  area_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  area_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // See-through: the window's drawing shows where the column has no control.
  area_->setAutoFillBackground(false);
  area_->viewport()->setAutoFillBackground(false);
  content_->setAutoFillBackground(false);
  area_->setWidget(content_);
  bar_->setObjectName("leftColumnBar");
  bar_->setVisible(false);
  QScrollBar* inner = area_->verticalScrollBar();
  // The widgets outlive this object (the surface owns them): the connections hold no `this`.
  QObject::connect(inner, &QScrollBar::rangeChanged, bar_, [bar = bar_, inner](int min, int max) {
    bar->setRange(min, max);
    bar->setPageStep(inner->pageStep());
    bar->setSingleStep(inner->singleStep());
    bar->setVisible(max > min);
  });
  QObject::connect(inner, &QScrollBar::valueChanged, bar_, &QScrollBar::setValue);
  QObject::connect(bar_, &QScrollBar::valueChanged, inner, &QScrollBar::setValue);
}

void ScrollingColumn::Place(const QRect& viewport, int contentHeight, const QRect& barRoom) {
  area_->setGeometry(viewport);
  content_->resize(std::max(1, viewport.width()), std::max(1, contentHeight));
  const int extent = bar_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, bar_);
  const int width = std::max(1, std::min(extent, barRoom.width()));
  // At the right of its room, next to whatever follows the column.
  bar_->setGeometry(barRoom.right() + 1 - width, barRoom.top(), width,
                    std::max(1, barRoom.height()));
  bar_->raise();
}

void ScrollingColumn::EnsureVisible(QWidget* widget) {
  if (Holds(widget)) area_->ensureWidgetVisible(widget, 0, 4);
}

bool ScrollingColumn::Holds(const QWidget* widget) const {
  return widget && content_->isAncestorOf(widget);
}
