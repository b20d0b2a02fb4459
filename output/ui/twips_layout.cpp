#include "output/ui/twips_layout.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <cmath>

#include "drawlib/ini/libr_ini.h"
#include "drawlib/ui/forms.h"
#include "platform/ui/qt_text.h"

namespace {

int Px(double twips, double tpp) { return int(std::lround(twips / tpp)); }

template <typename W>
W* Captioned(QWidget* parent, const std::string& caption, const std::string& tip) {
  auto* w = new W(ToQString(caption), parent);
  SetTip(w, tip);
  return w;
}

}  // namespace

void PlaceTwips(QWidget* widget, double left, double top, double width, double height) {
  const double tpp = TwipsPerPixel(widget->window());
  widget->setGeometry(Px(left, tpp), Px(top, tpp), std::max(Px(width, tpp), 1),
                      std::max(Px(height, tpp), 1));
}

void SizeFormTwips(QWidget* form, double width, double height) {
  const double tpp = TwipsPerPixel(form);
  form->resize(Px(width, tpp), Px(height, tpp));
}

void SetTip(QWidget* widget, const std::string& tip) {
  if (!tip.empty()) widget->setToolTip(ToQString(tip));
}

QPushButton* MakeButton(QWidget* parent, const std::string& caption, const std::string& tip) {
  return Captioned<QPushButton>(parent, caption, tip);
}
QCheckBox* MakeCheck(QWidget* parent, const std::string& caption, const std::string& tip) {
  return Captioned<QCheckBox>(parent, caption, tip);
}
QRadioButton* MakeOption(QWidget* parent, const std::string& caption, const std::string& tip) {
  return Captioned<QRadioButton>(parent, caption, tip);
}
QLabel* MakeLabel(QWidget* parent, const std::string& caption) {
  return new QLabel(ToQString(caption), parent);
}
QGroupBox* MakeFrame(QWidget* parent, const std::string& caption) {
  return new QGroupBox(ToQString(caption), parent);
}
QLineEdit* MakeTextBox(QWidget* parent, const std::string& tip) {
  auto* box = new QLineEdit(parent);
  SetTip(box, tip);
  return box;
}

void RestoreDialogPos(QWidget* form, const char* key) {
  FormRestorePos(form, IniGetString("Dialog Position and Size", key, ""));
}

void SaveDialogPos(const QWidget* form, const char* key) {
  IniPutString("Dialog Position and Size", key, FormPosText(form));
}
