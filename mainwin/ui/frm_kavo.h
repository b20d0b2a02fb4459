// The simulator's main window on Qt: the widgets of every control, placed in twips from the
// controls model, the menu bar, the spectrum picture and the clock. It shows what the window's
// logic (KavoForm) writes into the model and turns user actions into the logic's handlers; it is
// the logic's KavoHost.
#pragma once

#include <QMainWindow>
#include <QTimer>

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "drawlib/ui/picture_output_object.h"
#include "mainwin/kavo_form.h"
#include "platform/ui/picture_widget.h"

class FormSurface;
class ScrollingColumn;
class QAction;
class QMenu;

class frmKavo : public QMainWindow, public KavoHost, public ControlView {
  Q_OBJECT

 public:
  explicit frmKavo(QWidget* parent = nullptr);
  ~frmKavo() override;

  KavoForm& form() { return form_; }
  PictureWidget* picture() { return picture_; }
  // The widget or menu action of a control (nullptr when it has none).
  QWidget* ControlWidget(Ctl id, int index) const;
  QAction* MenuAction(Ctl id, int index) const;
  QMenu* Menu(Ctl id, int index = 0) const;
  // Scrolls the left column, when it is taller than the window, so that the control lies
  // within the window; other controls are always in view.
  void EnsureControlVisible(QWidget* control);

  // KavoHost
  float ScreenWidthTwips() override;
  float ScreenHeightTwips() override;
  float TwipsPerPixelX() override;
  float TwipsPerPixelY() override;
  void MoveForm(float left, float top, float width, float height) override;
  float ScaleWidth() override;
  float ScaleHeight() override;
  bool Minimized() override;
  void ShowForm() override;
  void SetFormCaption(const std::string& caption) override;
  void FormCls() override;
  void FormPrint(float x, float y, uint32_t color, const std::string& text) override;
  float FormTextWidth(const std::string& text) override;
  void PopupMenu(Ctl menu) override;
  void CloseForm() override;
  void UnloadAll() override;
  void SetClipboardText(const std::string& text) override;
  void SetTimerInterval(int32_t milliseconds) override;
  std::string DateTimeText() override;
  double MonotonicSeconds() override;
  void CursorPosTwips(float& x, float& y) override;
  void SetScreenPointer(int16_t code) override;
  void SetPicturePointer(int16_t code) override;
  OutputObject* PictureOutput() override { return &pictureOutput_; }
  std::string ClipboardText() override;
  std::string ShowParameterDialog() override;

  // ControlView
  void ControlChanged(Ctl id, int index, Prop what) override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  using Key = std::pair<Ctl, int>;
  QWidget* CreateControl(Ctl id, int index);
  QWidget* ContainerWidget(Ctl id, int index) const;
  void Connect(Ctl id, int index, QWidget* widget);
  void ApplyAll(Ctl id, int index);
  void ApplyToWidget(QWidget* widget, Ctl id, int index, Prop what);
  void ApplyToAction(QAction* action, Ctl id, int index, Prop what);
  void PlacePicture();
  void PlaceColumn();
  void BuildMenus();
  void MenuTriggered(Ctl id, int index);
  int Px(float twips) const;
  void ParValKey(int16_t row, QObject* box, QEvent* event, bool& consumed);

  FormSurface* surface_;
  std::unique_ptr<ScrollingColumn> column_;
  QWidget* pictureClip_;
  PictureWidget* picture_;
  PictureOutputObject pictureOutput_;
  KavoForm form_;
  std::map<Key, QWidget*> widgets_;
  std::map<QObject*, Key> widgetKeys_;
  std::map<Key, QAction*> actions_;
  std::map<Key, QMenu*> menus_;
  QTimer timer1_;
  bool closing_ = false;
};
