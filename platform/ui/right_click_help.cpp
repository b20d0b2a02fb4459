#include "platform/ui/right_click_help.h"

#include <QEvent>
#include <QMouseEvent>
#include <QVariant>
#include <QWidget>

#include <utility>

namespace {
constexpr const char* kContextProperty = "helpContextId";
}  // namespace

RightClickHelp::RightClickHelp(QObject* parent, Popup popup)
    : QObject(parent), popup_(std::move(popup)) {}

void RightClickHelp::Attach(QWidget* widget, int32_t contextId) {
  widget->setProperty(kContextProperty, contextId);
  widget->removeEventFilter(this);
  widget->installEventFilter(this);
}

int32_t RightClickHelp::ContextIdOf(const QWidget* widget) {
  const QVariant id = widget ? widget->property(kContextProperty) : QVariant();
  return id.isValid() ? id.toInt() : 0;
}

bool RightClickHelp::eventFilter(QObject* watched, QEvent* event) {
  const int32_t id = ContextIdOf(qobject_cast<QWidget*>(watched));
  if (id <= 0) return QObject::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::ContextMenu:
      return true;  // the help comes with the release of the button
    case QEvent::MouseButtonRelease:
      if (static_cast<QMouseEvent*>(event)->button() != Qt::RightButton) break;
      popup_(id);
      return true;
    default:
      break;
  }
  return QObject::eventFilter(watched, event);
}
