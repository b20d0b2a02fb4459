// Small widgets of the main window that Qt does not have: the spin button with its up and down
// events, the drag handles and the corner grip of the spectrum picture, a label that reports
// clicks, and the window surface that shows the frequency labels under the picture.
#pragma once

#include <QLabel>
#include <QWidget>

#include <cstdint>
#include <vector>

class QToolButton;

class SpinButton : public QWidget {
  Q_OBJECT

 public:
  explicit SpinButton(QWidget* parent = nullptr);

 signals:
  void up();
  void down();

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  QToolButton* up_;
  QToolButton* down_;
};

// A drag handle (a triangle pointing into the picture) or the corner grip.
class DragHandle : public QWidget {
  Q_OBJECT

 public:
  enum class Kind { Vertical, Horizontal, Grip };
  DragHandle(Kind kind, QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Kind kind_;
};

class ClickLabel : public QLabel {
  Q_OBJECT

 public:
  using QLabel::QLabel;

 signals:
  void clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};

// The window's own drawing surface: texts written at pixel positions, kept until cleared.
class FormSurface : public QWidget {
 public:
  using QWidget::QWidget;
  void Clear();
  void AddText(QPoint topLeft, QColor color, const QString& text);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  struct Text {
    QPoint topLeft;
    QColor color;
    QString text;
  };
  std::vector<Text> texts_;
};
