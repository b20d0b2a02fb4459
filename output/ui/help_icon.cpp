#include "output/ui/help_icon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

constexpr QRgb kDisc = qRgb(0x1F, 0x5F, 0xBF);

// The picture on a 16-unit grid, scaled to `side` pixels.
QPixmap QuestionPixmap(int side) {
  QPixmap pix(side, side);
  pix.fill(Qt::transparent);
  QPainter p(&pix);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(side / 16.0, side / 16.0);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(kDisc));
  p.drawEllipse(QRectF(0.5, 0.5, 15.0, 15.0));
  // The hook: an arc over the top that turns down into the stem.
  QPainterPath hook;
  hook.moveTo(5.4, 6.0);
  hook.cubicTo(5.4, 4.3, 6.6, 3.3, 8.0, 3.3);
  hook.cubicTo(9.5, 3.3, 10.6, 4.3, 10.6, 5.7);
  hook.cubicTo(10.6, 7.1, 9.5, 7.6, 8.7, 8.1);
  hook.cubicTo(8.1, 8.5, 8.0, 9.0, 8.0, 9.9);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(Qt::white, 1.9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(hook);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawEllipse(QPointF(8.0, 12.4), 1.15, 1.15);
  return pix;
}

}  // namespace

QIcon HelpQuestionIcon() {
  QIcon icon;
  for (int side : {16, 20, 24, 32, 48}) icon.addPixmap(QuestionPixmap(side));
  return icon;
}
