#include "drawlib/ui/forms.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <cmath>

#include "drawlib/util/form_position.h"
#include "platform/ui/screen_fit.h"

namespace {

QScreen* ScreenOf(const QWidget* form) {
  QScreen* screen = form ? form->screen() : nullptr;
  return screen ? screen : QGuiApplication::primaryScreen();
}

QRect AvailableArea(const QWidget* form) { return AvailableAreaOf(form); }

int ToPixels(int32_t twips, double tpp) { return int(std::lround(twips / tpp)); }
int32_t ToTwips(int pixels, double tpp) { return int32_t(std::lround(pixels * tpp)); }

}  // namespace

double TwipsPerPixel(const QWidget* form) {
  QScreen* screen = ScreenOf(form);
  const double dpi = screen ? screen->logicalDotsPerInchX() : 96.0;
  return dpi > 0 ? 1440.0 / dpi : 15.0;
}

void FormRestorePos(QWidget* form, std::string_view text) {
  const double tpp = TwipsPerPixel(form);
  const QRect area = AvailableArea(form);
  auto rect = FormRestoreRect(text, ToTwips(area.width(), tpp), ToTwips(area.height(), tpp));
  if (!rect) return;
  form->move(area.left() + ToPixels(rect->left, tpp), area.top() + ToPixels(rect->top, tpp));
  form->resize(ToPixels(rect->width, tpp), ToPixels(rect->height, tpp));
  KeepOnScreen(form);  // with its frame
}

std::string FormPosText(const QWidget* form) {
  const double tpp = TwipsPerPixel(form);
  const QRect area = AvailableArea(form);
  TwipsRect r;
  r.left = ToTwips(form->x() - area.left(), tpp);
  r.top = ToTwips(form->y() - area.top(), tpp);
  r.width = ToTwips(form->width(), tpp);
  r.height = ToTwips(form->height(), tpp);
  return FormRectText(r);
}

void CenterForm(QWidget* form) {
  const double tpp = TwipsPerPixel(form);
  const QRect area = AvailableArea(form);
  TwipsRect r = CenterRect(ToTwips(form->width(), tpp), ToTwips(form->height(), tpp),
                           ToTwips(area.width(), tpp), ToTwips(area.height(), tpp));
  form->move(area.left() + ToPixels(r.left, tpp), area.top() + ToPixels(r.top, tpp));
  KeepOnScreen(form);  // with its frame
}
