#include "mainwin/ui/kavo_widgets.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>
#include <QToolButton>

#include "drawlib/ui/forms.h"
#include "platform/ui/picture_widget.h"

void FitLabelFont(QLabel* label) {
  const QString text = label->text().trimmed();
  QFont font = label->font();
  while (QFontMetrics(font).horizontalAdvance(text) > label->width() && font.pointSizeF() > 6) {
    font.setPointSizeF(font.pointSizeF() - 0.5);
    label->setFont(font);
  }
}

SpinButton::SpinButton(QWidget* parent)
    : QWidget(parent), up_(new QToolButton(this)), down_(new QToolButton(this)) {
  up_->setArrowType(Qt::UpArrow);
  down_->setArrowType(Qt::DownArrow);
  for (QToolButton* b : {up_, down_}) {
    b->setAutoRepeat(true);  // held down, the value changes rapidly
    b->setFocusPolicy(Qt::NoFocus);
  }
  connect(up_, &QToolButton::clicked, this, &SpinButton::up);
  connect(down_, &QToolButton::clicked, this, &SpinButton::down);
}

void SpinButton::resizeEvent(QResizeEvent*) {
  const int half = height() / 2;
  up_->setGeometry(0, 0, width(), half);
  down_->setGeometry(0, half, width(), height() - half);
}

DragHandle::DragHandle(Kind kind, QWidget* parent) : QWidget(parent), kind_(kind) {
  setCursor(kind == Kind::Vertical     ? Qt::SizeVerCursor
            : kind == Kind::Horizontal ? Qt::SizeHorCursor
                                       : Qt::SizeFDiagCursor);
}

void DragHandle::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const int w = width(), h = height();
  if (kind_ == Kind::Grip) {
    p.fillRect(rect(), palette().button());
    p.setPen(palette().dark().color());
    for (int d = 4; d < w; d += 4) p.drawLine(w - 1, h - 1 - d, w - 1 - d, h - 1);
    p.setPen(palette().mid().color());
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    return;
  }
  QPolygon triangle;
  if (kind_ == Kind::Vertical) triangle << QPoint(1, 1) << QPoint(w - 2, h / 2) << QPoint(1, h - 2);
  else triangle << QPoint(1, 1) << QPoint(w - 2, 1) << QPoint(w / 2, h - 2);
  p.setBrush(QColor(0, 128, 128));
  p.setPen(Qt::black);
  p.drawPolygon(triangle);
}

void DragHandle::Report(QMouseEvent* event, int button,
                        void (DragHandle::*signal)(int, int, float, float)) {
  const QPointF at = event->position();
  const float tpp = static_cast<float>(TwipsPerPixel(this));
  emit(this->*signal)(button, RuntimeShiftCode(event->modifiers()), static_cast<float>(at.x()) * tpp,
                      static_cast<float>(at.y()) * tpp);
}

void DragHandle::mousePressEvent(QMouseEvent* event) {
  Report(event, RuntimeButtonCode(event->button()), &DragHandle::mouseDown);
}

void DragHandle::mouseMoveEvent(QMouseEvent* event) {
  Report(event, RuntimeButtonCode(event->buttons()), &DragHandle::mouseMove);
}

void DragHandle::mouseReleaseEvent(QMouseEvent* event) {
  Report(event, RuntimeButtonCode(event->button()), &DragHandle::mouseUp);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
    emit clicked();
  QLabel::mouseReleaseEvent(event);
}

void FormSurface::Clear() {
  texts_.clear();
  update();
}

void FormSurface::AddText(QPoint topLeft, QColor color, const QString& text) {
  texts_.push_back({topLeft, color, text});
  update();
}

int FormSurface::TextWidth(const QString& text) const {
  return QFontMetrics(font()).horizontalAdvance(text);
}

void FormSurface::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QFontMetrics metrics(font());
  for (const Text& t : texts_) {
    p.setPen(t.color);
    p.drawText(t.topLeft + QPoint(0, metrics.ascent()), t.text);
  }
}
