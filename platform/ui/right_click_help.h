// Right-click help for widgets of a dialog: each attached widget carries its help context number;
// releasing the right button on it shows the popup of that number. The release goes no further
// (the container's help does not follow), and a text box shows its help instead of the edit menu.
#pragma once

#include <QObject>

#include <cstdint>
#include <functional>

class QWidget;

class RightClickHelp : public QObject {
 public:
  using Popup = std::function<void(int32_t contextId)>;
  // The filter lives as long as parent; popup shows a topic as a popup.
  RightClickHelp(QObject* parent, Popup popup);

  // Gives the widget its number (0 = no help) and watches it.
  void Attach(QWidget* widget, int32_t contextId);
  // The number attached to the widget, 0 when it has none.
  static int32_t ContextIdOf(const QWidget* widget);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  Popup popup_;
};
