// Small widgets of the main window that Qt does not have: the spin button with its up and down
// events, the drag handles and the corner grip of the spectrum picture, a label that reports
// clicks, and the window surface that shows the frequency labels under the picture; and fitting
// a label's font to the room it has.
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

 signals:
  // The runtime's button and shift codes, the position in twips inside the handle.
  void mouseDown(int button, int shift, float x, float y);
  void mouseMove(int button, int shift, float x, float y);
  void mouseUp(int button, int shift, float x, float y);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void Report(QMouseEvent* event, int button,
              void (DragHandle::*signal)(int, int, float, float));

  Kind kind_;
};

// Makes the label's font smaller, in half points down to 6 points, while its text (without the
// blanks around it) is wider than the label: a name is shown whole rather than cut.
void FitLabelFont(QLabel* label);

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
  // Pixels a text takes across in the surface's font.
  int TextWidth(const QString& text) const;

  struct Text {
    QPoint topLeft;
    QColor color;
    QString text;
  };
  const std::vector<Text>& Texts() const { return texts_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<Text> texts_;
};
