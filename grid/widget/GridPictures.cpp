#include "GridPictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

void DrawPadlock(QPainter& p, const QRectF& r, const QColor& body, const QColor& shackle, bool open) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  const qreal w = r.width(), h = r.height();
  const QRectF bodyRect(r.left(), r.top() + h * 0.42, w, h * 0.58);
  // Shackle: a thick rounded arch above the body.
  const qreal sw = w * 0.62, thick = qMax<qreal>(1.5, w * 0.13);
  QRectF arch(r.left() + (w - sw) / 2, r.top() + thick / 2, sw, h * 0.62);
  if (open) arch.translate(w * 0.22, -h * 0.10);
  QPainterPath path;
  path.moveTo(arch.left(), bodyRect.top() + (open ? -h * 0.12 : 0));
  path.lineTo(arch.left(), arch.top() + sw / 2);
  path.arcTo(QRectF(arch.left(), arch.top(), sw, sw), 180, -180);
  path.lineTo(arch.right(), bodyRect.top());
  p.setPen(QPen(shackle, thick, Qt::SolidLine, Qt::FlatCap));
  p.setBrush(Qt::NoBrush);
  p.drawPath(path);
  // Body with a soft vertical shade and a keyhole.
  QLinearGradient g(bodyRect.topLeft(), bodyRect.bottomLeft());
  g.setColorAt(0, body.lighter(118));
  g.setColorAt(1, body.darker(112));
  p.setPen(Qt::NoPen);
  p.setBrush(g);
  const qreal radius = w * 0.14;
  p.drawRoundedRect(bodyRect, radius, radius);
  const QPointF c(bodyRect.center().x(), bodyRect.top() + bodyRect.height() * 0.42);
  const qreal k = w * 0.075;
  QColor hole = body.darker(190);
  p.setBrush(hole);
  p.drawEllipse(c, k, k);
  p.drawRoundedRect(QRectF(c.x() - k * 0.45, c.y(), k * 0.9, bodyRect.height() * 0.30), k * 0.3, k * 0.3);
  p.restore();
}

void DrawWidthsGlyph(QPainter& p, const QRectF& r, const QColor& colour) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  const QPointF c = r.center();
  const qreal w = r.width() / 2, a = r.height() * 0.22;
  p.setPen(QPen(colour, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawLine(QPointF(c.x(), r.top() + 1), QPointF(c.x(), r.bottom() - 1));
  for (int side : {-1, 1}) {
    const qreal tip = c.x() + side * (w - 0.5), base = c.x() + side * 2.5;
    p.drawLine(QPointF(base, c.y()), QPointF(tip, c.y()));
    p.drawLine(QPointF(tip, c.y()), QPointF(tip - side * a, c.y() - a));
    p.drawLine(QPointF(tip, c.y()), QPointF(tip - side * a, c.y() + a));
  }
  p.restore();
}

QImage LockPicture() {
  QImage img(112, 136, QImage::Format_ARGB32_Premultiplied);
  img.fill(Qt::transparent);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  // A soft shadow under the lock, then the lock itself.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 40));
  p.drawEllipse(QRectF(18, 122, 76, 10));
  DrawPadlock(p, QRectF(14, 6, 84, 116), QColor(232, 170, 36), QColor(120, 128, 140), false);
  return img;
}
